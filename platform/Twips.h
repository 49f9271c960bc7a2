#pragma once

// Geometry stored in twips (1/1440 inch) is converted at the widget: 15 twips = 1 pixel.
namespace Twips {

constexpr int PerPixel = 15;

constexpr int ToPixels(int twips)
{
    return twips / PerPixel;
}

constexpr int FromPixels(int pixels)
{
    return pixels * PerPixel;
}

}  // namespace Twips
