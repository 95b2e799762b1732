#include "engine/video_bitrate.h"

#include "engine/media_info_records.h"

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

TEST(GetAutoVideoBitrate, LowersOnlyRichStreams)
{
    TVideoFileInfo info;
    TVideoStreamInfo& video = info.VideoStreams[0];
    EXPECT_EQ(GetAutoVideoBitrate(info, 0.2), 800); // nothing known

    video.Width = 3840;
    video.Height = 2160;
    video.FPS = 60;
    video.Bitrate = 120000;
    video.BitsPerPixel = 0.24;
    EXPECT_EQ(GetAutoVideoBitrate(info, 0.2), 99533); // a UHD source needs more than 16 bits
    video.BitsPerPixel = 0.15;
    EXPECT_EQ(GetAutoVideoBitrate(info, 0.2), 120000); // already below the wanted density
    video.FPS = 0;
    video.BitsPerPixel = 0.24;
    EXPECT_EQ(GetAutoVideoBitrate(info, 0.2), 120000); // no frame rate: the stream's own bitrate
}
