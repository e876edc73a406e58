// A simulated EEG headset: a pseudo-terminal that carries headset frames as the Bluetooth module
// would, so that the client can be tried without hardware (point ARVEX_EEG_PORT at the name it
// prints).
#include <fcntl.h>
#include <getopt.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <string>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

struct Options
{
    double rate = 1.0;
    int attention = -1;
    int noise = -1;
    bool clean = false;
    bool help = false;
    unsigned seed = std::random_device {}();
};

void usage(std::FILE *stream, const char *program)
{
    std::fprintf(stream,
        "Usage: %s [--rate FRAMES_PER_SECOND] [--attention 0-255] [--noise 0-255] [--clean] "
        "[--seed N] [--help]\n"
        "Opens a pseudo-terminal, prints its name and writes 36-byte headset frames to it.\n"
        "  --rate       frames per second (default 1)\n"
        "  --attention  a fixed attention value instead of a drifting one\n"
        "  --noise      a fixed noise value instead of mostly 0\n"
        "  --clean      only good frames: no bad checksums, no junk between frames\n"
        "  --seed       seed of the random drift, for a repeatable stream\n"
        "  --help       print this text and exit\n",
        program);
}

bool parseInt(const char *text, int low, int high, int *value)
{
    char *end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < low || parsed > high)
        return false;
    *value = int(parsed);
    return true;
}

// Says which value is wrong, before the usage; getopt reports unknown options itself.
bool wrongValue(const char *program, const char *option, const char *expected, const char *value)
{
    std::fprintf(stderr, "%s: %s must be %s, got '%s'\n", program, option, expected, value);
    return false;
}

bool parseOptions(int argc, char **argv, Options *options)
{
    static const option longOptions[] = { { "rate", required_argument, nullptr, 'r' },
        { "attention", required_argument, nullptr, 'a' },
        { "noise", required_argument, nullptr, 'n' }, { "clean", no_argument, nullptr, 'c' },
        { "seed", required_argument, nullptr, 's' }, { "help", no_argument, nullptr, 'h' },
        { nullptr, 0, nullptr, 0 } };
    int choice = 0;
    while ((choice = getopt_long(argc, argv, "h", longOptions, nullptr)) != -1) {
        int seed = 0;
        switch (choice) {
        case 'r': {
            char *end = nullptr;
            options->rate = std::strtod(optarg, &end);
            if (end == optarg || *end != '\0' || !(options->rate > 0.0 && options->rate <= 100000))
                return wrongValue(argv[0], "--rate", "a number above 0 and at most 100000", optarg);
            break;
        }
        case 'a':
            if (!parseInt(optarg, 0, 255, &options->attention))
                return wrongValue(argv[0], "--attention", "a whole number from 0 to 255", optarg);
            break;
        case 'n':
            if (!parseInt(optarg, 0, 255, &options->noise))
                return wrongValue(argv[0], "--noise", "a whole number from 0 to 255", optarg);
            break;
        case 'c':
            options->clean = true;
            break;
        case 'h':
            options->help = true;
            break;
        case 's':
            if (!parseInt(optarg, 0, 0x7fffffff, &seed))
                return wrongValue(argv[0], "--seed", "a whole number from 0 to 2147483647", optarg);
            options->seed = unsigned(seed);
            break;
        default:
            return false;
        }
    }
    if (optind < argc) {
        std::fprintf(stderr, "%s: unexpected argument '%s'\n", argv[0], argv[optind]);
        return false;
    }
    return true;
}

// The frame shape the headset sends: sync pair, payload length 32, signal quality, 24 band-power
// bytes, attention, meditation and the one's complement of the payload's byte sum.
std::array<unsigned char, 36> makeFrame(
    int noise, int attention, int meditation, std::mt19937 &random)
{
    std::array<unsigned char, 36> frame {};
    frame[0] = 0xAA;
    frame[1] = 0xAA;
    frame[2] = 0x20;
    frame[3] = 0x02;
    frame[4] = static_cast<unsigned char>(noise);
    frame[5] = 0x83;
    frame[6] = 0x18;
    for (int i = 7; i <= 30; ++i)
        frame[i] = static_cast<unsigned char>(random() & 0x3f);
    frame[31] = 0x04;
    frame[32] = static_cast<unsigned char>(attention);
    frame[33] = 0x05;
    frame[34] = static_cast<unsigned char>(meditation);
    unsigned sum = 0;
    for (int i = 3; i <= 34; ++i)
        sum += frame[i];
    frame[35] = static_cast<unsigned char>(~sum);
    return frame;
}

// Writes all of data unless the reader stalls for a while; a headset does not wait either.
void writeAll(int fd, const unsigned char *data, size_t size)
{
    while (size > 0 && !stopRequested) {
        const ssize_t written = ::write(fd, data, size);
        if (written > 0) {
            data += written;
            size -= size_t(written);
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR)
            return;
        pollfd writable { fd, POLLOUT, 0 };
        if (::poll(&writable, 1, 100) <= 0)
            return;
    }
}

// Reads what the client sent and answers each module command with "OK".
void answerCommands(int fd, std::string *pending)
{
    char input[256];
    ssize_t count = 0;
    while ((count = ::read(fd, input, sizeof input)) > 0)
        pending->append(input, size_t(count));
    size_t end = 0;
    while ((end = pending->find('\n')) != std::string::npos) {
        const std::string line = pending->substr(0, end);
        pending->erase(0, end + 1);
        if (line.compare(0, 2, "AT") == 0) {
            static const unsigned char ok[] = { 'O', 'K', '\r', '\n' };
            writeAll(fd, ok, sizeof ok);
        }
    }
    if (pending->size() > 1024)
        pending->clear();
}

// A slow wave around a centre with a little jitter: values that wander like a person's focus
// and sometimes, for attention, rise above 90.
int drift(double seconds, double centre, double amplitude, double period, std::mt19937 &random)
{
    const double wave = centre + amplitude * std::sin(2.0 * M_PI * seconds / period);
    return std::clamp(int(wave) + int(random() % 9) - 4, 0, 100);
}

timespec addSeconds(timespec time, double seconds)
{
    const long long nanoseconds = time.tv_nsec + (long long)(seconds * 1e9);
    time.tv_sec += time_t(nanoseconds / 1000000000);
    time.tv_nsec = long(nanoseconds % 1000000000);
    return time;
}

bool before(const timespec &a, const timespec &b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parseOptions(argc, argv, &options)) {
        usage(stderr, argv[0]);
        return 2;
    }
    if (options.help) {
        usage(stdout, argv[0]);
        return 0;
    }

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::perror("posix_openpt");
        return 1;
    }
    const char *slaveName = ::ptsname(master);
    // Held open in raw mode: bytes pass unchanged even before the client sets the line up, and
    // the terminal stays usable while the client closes and opens it again.
    const int slave = slaveName ? ::open(slaveName, O_RDWR | O_NOCTTY) : -1;
    termios raw {};
    if (slave < 0 || ::tcgetattr(slave, &raw) != 0) {
        std::perror("pseudo-terminal");
        return 1;
    }
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    std::signal(SIGPIPE, SIG_IGN);
    std::printf("%s\n", slaveName);
    std::fflush(stdout);

    std::mt19937 random(options.seed);
    long long frameCount = 0;
    std::string pending;
    timespec next {};
    ::clock_gettime(CLOCK_MONOTONIC, &next);
    while (!stopRequested) {
        timespec now {};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        if (before(now, next)) {
            const long long waitNs
                = (next.tv_sec - now.tv_sec) * 1000000000LL + (next.tv_nsec - now.tv_nsec);
            const timespec timeout { time_t(waitNs / 1000000000), long(waitNs % 1000000000) };
            pollfd readable { master, POLLIN, 0 };
            if (::ppoll(&readable, 1, &timeout, nullptr) > 0)
                answerCommands(master, &pending);
            continue;
        }
        next = addSeconds(next, 1.0 / options.rate);

        const double seconds = double(frameCount++) / options.rate;
        const int attention = drift(seconds, 60, 35, 40, random);
        const int meditation = drift(seconds, 45, 20, 55, random);
        int noise = 0;
        if (options.noise >= 0)
            noise = options.noise;
        else if (random() % 20 == 0)
            noise = 25 + int(random() % 176);
        std::array<unsigned char, 36> frame = makeFrame(
            noise, options.attention >= 0 ? options.attention : attention, meditation, random);
        if (!options.clean && random() % 25 == 0)
            frame[35] ^= 0x5A;
        writeAll(master, frame.data(), frame.size());
        if (!options.clean && random() % 15 == 0) {
            unsigned char junk[7];
            const size_t count = 1 + random() % sizeof junk;
            for (size_t i = 0; i < count; ++i)
                junk[i] = static_cast<unsigned char>(random());
            writeAll(master, junk, count);
        }
    }
    ::close(slave);
    ::close(master);
    return 0;
}
