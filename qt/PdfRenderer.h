#pragma once
#include <optional>
#include <string>

#include "forms/Canvas.h"

// The document as the bytes of a PDF file: vector shapes and embedded fonts, one page per
// canvas at the document's page size and resolution. The caller owns a QGuiApplication.
std::optional<std::string> RenderPdf(const forms::Document& document);
