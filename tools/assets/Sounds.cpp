// The game's two sound effects, synthesised: Gold.wav, the register's
// "ka-ching" of a sale, and Machine.wav, a vending machine whirring and
// dropping its goods. Both are 16-bit mono PCM at 22050 Hz, under a second.
#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

#include "tools/assets/Assets.h"

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kPeak = 0.8;  // of full scale, after normalising

using Samples = std::vector<double>;

// A fixed noise source, so every build writes the same files.
class Noise {
public:
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / double(1u << 24) * 2.0 - 1.0;
    }

private:
    std::uint32_t state_ = 0x5eed1234u;
};

// One-pole filters for shaping noise.
struct LowPass {
    double a, y = 0;
    explicit LowPass(double cutoff) : a(1.0 - std::exp(-kTwoPi * cutoff / kRate)) {}
    double operator()(double x) { return y += a * (x - y); }
};
struct HighPass {
    LowPass lp;
    explicit HighPass(double cutoff) : lp(cutoff) {}
    double operator()(double x) { return x - lp(x); }
};

int At(double seconds) { return static_cast<int>(seconds * kRate); }

// ---------------------------------------------------------------------------
// Gold.wav: a key's clack, the bell, and a few coins settling.

constexpr double kGoldLength = 0.85;
struct Partial {
    double freq, level, decay;  // Hz, relative level, seconds to fall to 1/e
};
const Partial kBell[] = {
    {2093.0, 1.00, 0.32}, {2637.0, 0.55, 0.26}, {3136.0, 0.45, 0.22},
    {4186.0, 0.35, 0.16}, {5274.0, 0.20, 0.10}, {6272.0, 0.12, 0.07},
};
constexpr double kBellStart = 0.045;
struct Ping {
    double at, freq, level;
};
const Ping kCoins[] = {
    {0.16, 7040.0, 0.10}, {0.22, 6645.0, 0.08}, {0.27, 7459.0, 0.07}, {0.35, 6272.0, 0.05},
};

Samples Gold() {
    Samples s(At(kGoldLength), 0.0);
    Noise noise;
    HighPass hp(1800);
    // The clack of the key and the drawer.
    for (int i = 0; i < At(0.04); ++i) {
        double t = double(i) / kRate;
        s[i] += 0.55 * hp(noise.next()) * std::exp(-t / 0.008);
    }
    // The bell: a struck chord of bright partials, each with its own decay,
    // and a slow shimmer between the two lowest.
    for (int i = At(kBellStart); i < int(s.size()); ++i) {
        double t = double(i) / kRate - kBellStart;
        double attack = std::min(1.0, t / 0.002);
        double v = 0;
        for (const Partial& p : kBell) v += p.level * std::sin(kTwoPi * p.freq * t) * std::exp(-t / p.decay);
        v += 0.15 * std::sin(kTwoPi * 2101.0 * t) * std::exp(-t / 0.35);
        s[i] += 0.5 * attack * v;
    }
    // Coins.
    for (const Ping& c : kCoins)
        for (int i = At(c.at); i < int(s.size()); ++i) {
            double t = double(i) / kRate - c.at;
            s[i] += c.level * std::sin(kTwoPi * c.freq * t) * std::exp(-t / 0.03);
        }
    return s;
}

// ---------------------------------------------------------------------------
// Machine.wav: a motor spinning up and down with its gears rattling, then the
// goods dropping into the tray with a clunk and a short rattle.

constexpr double kMachineLength = 0.8;
constexpr double kMotorStart = 0.0, kMotorEnd = 0.48;
constexpr double kMotorHz = 92.0;     // the hum's fundamental
constexpr double kGearRattleHz = 31;  // how fast the gears knock
constexpr double kClunkAt = 0.52, kRattleAt = 0.63;

Samples Machine() {
    Samples s(At(kMachineLength), 0.0);
    Noise noise;
    LowPass hum(900), grind(2500);
    double phase = 0;
    for (int i = At(kMotorStart); i < At(kMotorEnd); ++i) {
        double t = double(i) / kRate - kMotorStart;
        double len = kMotorEnd - kMotorStart;
        double env = std::min(1.0, t / 0.05) * std::min(1.0, (len - t) / 0.08);
        // Pitch rises as the motor gets going and sags under load.
        double f = kMotorHz * (0.85 + 0.25 * std::sin(std::numbers::pi * t / len));
        phase += f / kRate;
        double saw = 2.0 * (phase - std::floor(phase)) - 1.0;
        double knock = 0.5 + 0.5 * std::sin(kTwoPi * kGearRattleHz * t);
        s[i] += env * (0.45 * hum(saw) + 0.18 * grind(noise.next()) * knock * knock);
    }
    // The clunk: a low thump falling in pitch with a burst of dull noise.
    LowPass dull(700);
    double thump = 0;
    for (int i = At(kClunkAt); i < int(s.size()); ++i) {
        double t = double(i) / kRate - kClunkAt;
        double f = 60.0 + 90.0 * std::exp(-t / 0.02);
        thump += f / kRate;
        s[i] += 0.9 * std::sin(kTwoPi * thump) * std::exp(-t / 0.07);
        s[i] += 0.5 * dull(noise.next()) * std::exp(-t / 0.03);
    }
    // The can settling: two quick knocks.
    HighPass tick(1200);
    for (double at : {kRattleAt, kRattleAt + 0.045})
        for (int i = At(at); i < std::min(int(s.size()), At(at + 0.05)); ++i) {
            double t = double(i) / kRate - at;
            s[i] += 0.3 * tick(noise.next()) * std::exp(-t / 0.01) +
                    0.2 * std::sin(kTwoPi * 420.0 * t) * std::exp(-t / 0.015);
        }
    return s;
}

// ---------------------------------------------------------------------------

// Scales to kPeak, fades out the last 60 ms and writes a RIFF/WAVE file.
bool WriteWav(const QDir& out, const char* name, Samples s) {
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    const double gain = peak > 0 ? kPeak / peak : 0.0;
    const int fade = At(0.06);
    for (int i = 0; i < fade && i < int(s.size()); ++i) s[s.size() - 1 - i] *= double(i) / fade;

    QByteArray data;
    auto put16 = [&data](int v) {
        data.append(char(v & 0xff));
        data.append(char((v >> 8) & 0xff));
    };
    auto put32 = [&data](std::uint32_t v) {
        for (int k = 0; k < 4; ++k) data.append(char((v >> (8 * k)) & 0xff));
    };
    const std::uint32_t bytes = static_cast<std::uint32_t>(s.size() * 2);
    data.append("RIFF");
    put32(36 + bytes);
    data.append("WAVE");
    data.append("fmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kRate);
    put32(kRate * 2);  // bytes per second
    put16(2);          // bytes per frame
    put16(16);         // bits per sample
    data.append("data");
    put32(bytes);
    for (double v : s) put16(static_cast<int>(std::lround(std::clamp(v * gain, -1.0, 1.0) * 32767.0)));

    QFile f(out.filePath(QString::fromLatin1(name)));
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
        std::fprintf(stderr, "qmassets: cannot write %s\n", name);
        return false;
    }
    return true;
}

}  // namespace

bool MakeSounds(const QDir& out) { return WriteWav(out, "Gold.wav", Gold()) && WriteWav(out, "Machine.wav", Machine()); }
