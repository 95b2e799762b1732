#include "engine/video_bitrate.h"

#include <gtest/gtest.h>

TEST(CalcVideoBitrate, ComputesRoundsAndFallsBack)
{
    struct Case
    {
        double bitsPerPixel;
        int32_t width, height;
        double fps;
        int32_t expected;
    };
    const Case cases[] = {
        {0.2, 1280, 720, 25, 4608},   {0.5, 1280, 720, 25, 11520}, // lowered to the maximum of 0.5
        {0.9, 1280, 720, 25, 11520},                               // above the maximum
        {0.2, 3840, 2160, 60, 99533},                              // beyond 16 bits
        {0.5, 5000, 1, 1, 2},                                      // 2.5 and 3.5 round to the even neighbour
        {0.5, 7000, 1, 1, 4},         {0, 1280, 720, 25, 800},     // no bits per pixel: the default
        {0.2, 0, 720, 25, 800},       {0.2, 1280, 720, -1, 800},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CalcVideoBitrate(c.bitsPerPixel, c.width, c.height, c.fps, 800, 0.5), c.expected)
            << c.bitsPerPixel << " " << c.width << "x" << c.height << "@" << c.fps;
}
