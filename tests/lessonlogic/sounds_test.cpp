#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The committed answer sounds: plain PCM the platform can play, short, and
// starting and ending in silence so that neither clicks.

namespace {

std::uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

}  // namespace

TEST(Sounds, AnswerSoundsAreShortCleanPcm) {
    for (const char* name : {"yes.wav", "no.wav"}) {
        SCOPED_TRACE(name);
        std::ifstream in(std::string(TUTOR_DATA_DIR) + "/wavs/" + name, std::ios::binary);
        ASSERT_TRUE(in);
        const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(le(b, 20, 2), 1u);   // PCM
        EXPECT_EQ(le(b, 22, 2), 1u);   // mono
        EXPECT_EQ(le(b, 34, 2), 16u);  // bits
        const std::uint32_t rate = le(b, 24, 4);
        ASSERT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
        const std::uint32_t bytes = le(b, 40, 4);
        ASSERT_EQ(b.size(), 44u + bytes);
        EXPECT_EQ(le(b, 4, 4), 36u + bytes);

        std::vector<int> samples;
        for (std::size_t at = 44; at + 1 < b.size(); at += 2) {
            samples.push_back(static_cast<std::int16_t>(le(b, at, 2)));
        }
        const double seconds = static_cast<double>(samples.size()) / rate;
        EXPECT_GT(seconds, 0.2);
        EXPECT_LT(seconds, 0.45);
        int peak = 0;
        for (int s : samples) peak = std::max(peak, std::abs(s));
        EXPECT_GT(peak, 4000);   // audible
        EXPECT_LT(peak, 30000);  // not clipped
        EXPECT_LT(std::abs(samples.front()), 100);
        EXPECT_LT(std::abs(samples.back()), 100);
    }
}
