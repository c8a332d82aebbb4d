// Twips to pixels: the window's controls are placed and sized in twips.
//
// A twip is 1/1440 inch, so at 96 dots per inch 15 twips make one pixel.
// Qt's device-independent pixels are those 96-dpi pixels; on a scaled
// screen Qt multiplies them itself, so the layout stays right at any scale.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

constexpr int TwipsPerPixel = 15;

constexpr int Twips(int twips)
{
    return (twips + (twips >= 0 ? TwipsPerPixel / 2 : -TwipsPerPixel / 2)) / TwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

constexpr QSize TwipsSize(int width, int height) { return {Twips(width), Twips(height)}; }
