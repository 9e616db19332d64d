#pragma once
// The four full-screen pictures, 640x480, drawn in the shared range. Only the top 448
// rows are ever shown.
#include "canvas.h"

Canvas DrawTitlePicture();
Canvas DrawStoryPicture();
Canvas DrawDeathPicture();
Canvas DrawWinPicture();
