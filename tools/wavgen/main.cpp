// Writes the lessons' two answer sounds as 16-bit PCM mono wave files:
//   wavgen <output folder>   ->  <folder>/yes.wav, <folder>/no.wav
// yes: a rising two-note chime; no: a soft low buzz. Both about 0.3 s, with
// a smooth attack and a decay that reaches silence before the last sample,
// so neither clicks when it starts or is cut off at its end.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// Raised-cosine ramp from 0 to 1 over [0, length).
double ramp(double t, double length) {
    if (t <= 0.0) return 0.0;
    if (t >= length) return 1.0;
    return 0.5 - 0.5 * std::cos(kPi * t / length);
}

// One bell-like note: soft attack, exponential decay, cosine fade to zero at
// its end; a quiet octave partial brightens it.
double chimeNote(double t, double freq, double length) {
    if (t < 0.0 || t >= length) return 0.0;
    const double envelope = ramp(t, 0.008) * std::exp(-t * 9.0) * ramp(length - t, 0.05);
    return envelope * (std::sin(2.0 * kPi * freq * t) + 0.25 * std::sin(4.0 * kPi * freq * t));
}

std::vector<double> makeYes() {
    const double length = 0.32;
    std::vector<double> samples(static_cast<std::size_t>(length * kRate));
    for (std::size_t n = 0; n < samples.size(); ++n) {
        const double t = static_cast<double>(n) / kRate;
        // E5 then A5, the second entering while the first rings on.
        samples[n] = 0.8 * chimeNote(t, 659.26, 0.22) + chimeNote(t - 0.10, 880.0, 0.22);
    }
    return samples;
}

std::vector<double> makeNo() {
    const double length = 0.30;
    const double freq = 110.0;
    std::vector<double> samples(static_cast<std::size_t>(length * kRate));
    for (std::size_t n = 0; n < samples.size(); ++n) {
        const double t = static_cast<double>(n) / kRate;
        const double envelope = ramp(t, 0.02) * ramp(length - t, 0.08);
        // A few odd harmonics, falling fast: a buzz without a harsh edge.
        double tone = 0.0;
        for (int h = 1; h <= 7; h += 2) tone += std::sin(2.0 * kPi * freq * h * t) / (h * h);
        const double tremolo = 1.0 - 0.15 * (0.5 - 0.5 * std::cos(2.0 * kPi * 12.0 * t));
        samples[n] = envelope * tremolo * tone;
    }
    return samples;
}

void put16(std::ofstream& out, std::uint16_t v) {
    const char bytes[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// Scales the samples to the given peak (a fraction of full scale).
bool writeWav(const std::string& path, const std::vector<double>& samples, double peak) {
    double maxAbs = 0.0;
    for (double s : samples) maxAbs = std::fmax(maxAbs, std::fabs(s));
    const double scale = maxAbs > 0.0 ? peak * 32767.0 / maxAbs : 0.0;

    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : samples) {
        const long v = std::lround(s * scale);
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wavgen <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    if (!writeWav(folder + "/yes.wav", makeYes(), 0.5) ||
        !writeWav(folder + "/no.wav", makeNo(), 0.45)) {
        std::fprintf(stderr, "wavgen: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
