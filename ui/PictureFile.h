#pragma once
#include <optional>
#include <string>

#include "forms/Canvas.h"
#include "forms/Platform.h"

// The save dialog of the windows' "... do .bmp" buttons, in the program's folder; nothing
// when the user cancels. With addExtension a typed name without one gets ".bmp".
std::optional<std::string> AskPicturePath(forms::Platform& platform, const std::string& defaultName,
                                          bool addExtension);

// Writes the picture; a file that cannot be written aborts the action with a message.
void WritePicture(forms::Platform& platform, const forms::Canvas& picture, const std::string& path);
