// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's two chimes as 16-bit PCM WAV files: a two-tone "pin-pon" and a
// falling three-note end chime. Everything is computed with plain arithmetic, so the same
// bytes come out on every machine.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// sin(2 pi cycles), by a Taylor series on [-pi, pi]; libm's sin may differ between versions.
double sineOfCycles(double cycles) {
    const double fraction = cycles - static_cast<double>(static_cast<std::int64_t>(cycles));
    double x = 2.0 * kPi * fraction;
    if (x > kPi) {
        x -= 2.0 * kPi;
    }
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n <= 8; ++n) {
        term = -term * x2 / static_cast<double>((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

struct Note {
    double startSeconds;
    double frequency;
    double decaySeconds;
};

std::vector<double> ring(const std::vector<Note>& notes, double lengthSeconds) {
    const auto length = static_cast<std::size_t>(lengthSeconds * kRate);
    std::vector<double> mix(length, 0.0);
    for (const Note& note : notes) {
        const auto start = static_cast<std::size_t>(note.startSeconds * kRate);
        // A linear approximation of exp(-1 / (decay x rate)) per sample.
        const double fade = 1.0 - 1.0 / (note.decaySeconds * kRate);
        const double attack = 0.004 * kRate;
        double envelope = 1.0;
        for (std::size_t i = start; i < length; ++i) {
            const double t = static_cast<double>(i - start);
            const double cycles = note.frequency * t / kRate;
            // A bell: the fundamental with two softer partials.
            const double tone = sineOfCycles(cycles) + 0.30 * sineOfCycles(2.0 * cycles) +
                                0.10 * sineOfCycles(3.0 * cycles);
            const double rise = t < attack ? t / attack : 1.0;
            mix[i] += tone * envelope * rise;
            envelope *= fade;
        }
    }
    return mix;
}

void put16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFFU));
    out.push_back(static_cast<char>(value >> 8U));
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFFU));
    put16(out, static_cast<std::uint16_t>(value >> 16U));
}

std::string wave(const std::vector<double>& samples) {
    double peak = 0.0;
    for (double sample : samples) {
        peak = sample > peak ? sample : (-sample > peak ? -sample : peak);
    }
    const double gain = peak > 0.0 ? 0.6 * 32767.0 / peak : 0.0;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, dataBytes);
    for (double sample : samples) {
        const double scaled = sample * gain;
        const auto rounded = static_cast<std::int16_t>(scaled < 0.0 ? scaled - 0.5 : scaled + 0.5);
        put16(out, static_cast<std::uint16_t>(rounded));
    }
    return out;
}

bool write(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const std::string pinpon = wave(ring({{0.0, 1318.51, 0.25}, {0.32, 1046.50, 0.40}}, 1.4));
    const std::string end =
        wave(ring({{0.0, 783.99, 0.22}, {0.26, 659.26, 0.25}, {0.52, 523.25, 0.45}}, 1.8));
    if (!write(folder + "/pinpon.wav", pinpon) || !write(folder + "/endpinpon.wav", end)) {
        std::fprintf(stderr, "cannot write the chimes into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
