#pragma once
#include "forms/Canvas.h"

inline constexpr int kTitlePictureWidth = 265;
inline constexpr int kTitlePictureHeight = 105;

// The product's title picture: a trajectory over a range with the program's name.
void DrawTitlePicture(forms::Canvas& canvas);

// A 32 x 32 icon: a trajectory arc over a target.
void DrawProgramIcon(forms::Canvas& canvas);
