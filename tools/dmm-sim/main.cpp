// dmm-sim: a bench multimeter on a pseudo-terminal. Each "D" it receives is answered with four
// reading lines (function code 2, value 7, unit 4 characters, each ended by CR), as the meter does.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <random>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stop = 0;
void onSignal(int) { g_stop = 1; }

struct Options
{
    std::string link;
    std::string scenario = "dcv";
    long silentAfter = -1;
    long exitAfter = -1;
    long changeAfter = 10;
    unsigned seed = 1;
    bool quiet = false;
    bool chunked = true;
};

void usage()
{
    std::fprintf(stderr,
                 "usage: dmm-sim --link PATH [--scenario NAME] [--seed N] [--silent-after N]\n"
                 "               [--exit-after N] [--change-after N] [--whole] [--quiet]\n"
                 "scenarios:\n"
                 "  dcv        DC voltage wandering slowly (default)\n"
                 "  aci        AC current\n"
                 "  ohm        resistance with overloads (\"OL\", \" O.L\", \"-OL\")\n"
                 "  change     DC voltage, then after --change-after polls a DC line with a blank unit,\n"
                 "             then AC voltage\n"
                 "  blank      SUB1 to SUB3 left blank\n"
                 "  short      every response one character short (55 characters)\n"
                 "  garbage    stray bytes before some responses\n"
                 "--silent-after N  stop answering after N polls; --exit-after N  exit after N polls\n"
                 "--whole  write each response at once instead of in small pieces\n");
}

bool parse(int argc, char **argv, Options &o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&](const char *what) -> const char * {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "dmm-sim: %s needs a value\n", what);
                std::exit(2);
            }
            return argv[++i];
        };
        auto number = [&](const char *what) {
            const char *v = next(what);
            char *end = nullptr;
            const long n = std::strtol(v, &end, 10);
            if (!*v || *end || n < 0) {
                std::fprintf(stderr, "dmm-sim: %s wants a whole number, not '%s'\n", what, v);
                std::exit(2);
            }
            return n;
        };
        if (a == "--link")
            o.link = next("--link");
        else if (a == "--scenario")
            o.scenario = next("--scenario");
        else if (a == "--seed")
            o.seed = static_cast<unsigned>(number("--seed"));
        else if (a == "--silent-after")
            o.silentAfter = number("--silent-after");
        else if (a == "--exit-after")
            o.exitAfter = number("--exit-after");
        else if (a == "--change-after")
            o.changeAfter = number("--change-after");
        else if (a == "--quiet")
            o.quiet = true;
        else if (a == "--whole")
            o.chunked = false;
        else if (a == "--help" || a == "-h") {
            usage();
            std::exit(0);
        } else {
            std::fprintf(stderr, "dmm-sim: unknown option '%s'\n", a.c_str());
            usage();
            return false;
        }
    }
    static const char *known[] = {"dcv", "aci", "ohm", "change", "blank", "short", "garbage"};
    bool ok = false;
    for (const char *k : known)
        ok = ok || o.scenario == k;
    if (!ok) {
        std::fprintf(stderr, "dmm-sim: unknown scenario '%s'\n", o.scenario.c_str());
        return false;
    }
    if (o.link.empty()) {
        std::fprintf(stderr, "dmm-sim: --link PATH is required\n");
        return false;
    }
    return true;
}

// One reading line: code (2), value (7, right-aligned), unit (4, left-aligned).
std::string line(const char *code, const std::string &value, const char *unit)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%-2.2s%7.7s%-4.4s", code, value.c_str(), unit);
    return buf;
}

std::string fixed(double v, int decimals)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

class Meter
{
public:
    Meter(const Options &o) : m_o(o), m_rng(o.seed) {}

    std::vector<std::string> respond(long poll)
    {
        std::uniform_real_distribution<double> step(-1.0, 1.0);
        m_level += step(m_rng) * 0.01;
        const std::string blank(13, ' ');
        // Decimals as a 4000-count display shows them: 1.234 V, 50.01 Hz, 23.4 C.
        std::string main, sub1 = line("FR", fixed(50.0 + step(m_rng) * 0.02, 2), "Hz"),
                          sub2 = line("TE", fixed(23.4 + step(m_rng) * 0.1, 1), "C"), sub3 = blank;
        const std::string &s = m_o.scenario;
        if (s == "aci") {
            main = line("AC", fixed(12.5 + m_level * 3, 2), "mA");
        } else if (s == "ohm") {
            static const char *over[] = {"OL", " O.L", "-OL"};
            if (poll % 4 == 3)
                main = line("OH", over[(poll / 4) % 3], "kOhm");
            else
                main = line("OH", fixed(4.7 + m_level, 2), "kOhm");
        } else if (s == "change" && poll == m_o.changeAfter) {
            main = line("DC", fixed(m_level, 3), "");
        } else if (s == "change" && poll > m_o.changeAfter) {
            main = line("AC", fixed(230.0 + m_level * 10, 1), "V");
        } else {
            main = line("DC", fixed(m_level, 3), "V");
        }
        if (s == "blank")
            sub1 = sub2 = sub3 = blank;
        if (s == "short")
            sub3 = blank.substr(1);
        return {main, sub1, sub2, sub3};
    }

    std::string noise(long poll)
    {
        if (m_o.scenario != "garbage" || poll % 3 != 2)
            return {};
        std::uniform_int_distribution<int> byte(0, 255);
        std::string g;
        for (int i = 0; i < 5; ++i) {
            char c = static_cast<char>(byte(m_rng));
            g.push_back(c == '\r' ? '#' : c);
        }
        return g;
    }

    std::mt19937 &rng() { return m_rng; }

private:
    const Options &m_o;
    std::mt19937 m_rng;
    double m_level = 1.2345;
};

bool writeAll(int fd, const std::string &data, bool chunked, std::mt19937 &rng)
{
    std::uniform_int_distribution<size_t> piece(1, 20);
    size_t pos = 0;
    while (pos < data.size()) {
        const size_t n = chunked ? std::min(piece(rng), data.size() - pos) : data.size() - pos;
        const ssize_t w = ::write(fd, data.data() + pos, n);
        if (w < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            return false;
        }
        pos += static_cast<size_t>(w);
        if (chunked)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    Options o;
    if (!parse(argc, argv, o))
        return 2;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGPIPE, SIG_IGN);

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::perror("dmm-sim: pseudo-terminal");
        return 1;
    }
    const char *slaveName = ::ptsname(master);
    // Holding the slave open keeps the terminal alive while the program closes and reopens it.
    const int keeper = ::open(slaveName, O_RDWR | O_NOCTTY);
    if (keeper < 0) {
        std::perror("dmm-sim: slave");
        return 1;
    }
    termios t{};
    if (::tcgetattr(keeper, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(keeper, TCSANOW, &t);
    }
    ::unlink(o.link.c_str());
    if (::symlink(slaveName, o.link.c_str()) != 0) {
        std::fprintf(stderr, "dmm-sim: cannot create link %s: %s\n", o.link.c_str(), std::strerror(errno));
        return 1;
    }
    std::printf("dmm-sim: %s -> %s, scenario %s, seed %u\n", o.link.c_str(), slaveName, o.scenario.c_str(), o.seed);
    std::fflush(stdout);

    Meter meter(o);
    long polls = 0;
    int rc = 0;
    while (!g_stop) {
        pollfd p{master, POLLIN, 0};
        const int r = ::poll(&p, 1, 200);
        if (r < 0 && errno != EINTR) {
            std::perror("dmm-sim: poll");
            rc = 1;
            break;
        }
        if (r <= 0 || !(p.revents & POLLIN))
            continue;
        char buf[256];
        const ssize_t n = ::read(master, buf, sizeof buf);
        if (n <= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            continue;
        }
        for (ssize_t i = 0; i < n && !g_stop; ++i) {
            if ((buf[i] & 0x7F) != 'D')
                continue;
            if (o.exitAfter >= 0 && polls >= o.exitAfter) {
                std::printf("dmm-sim: exit after %ld polls\n", polls);
                g_stop = 1;
                break;
            }
            const long poll = polls++;
            if (o.silentAfter >= 0 && poll >= o.silentAfter) {
                if (!o.quiet)
                    std::printf("poll %ld: silent\n", poll);
                continue;
            }
            const std::vector<std::string> lines = meter.respond(poll);
            std::string response = meter.noise(poll);
            for (const std::string &l : lines)
                response += l + '\r';
            if (!o.quiet) {
                std::printf("poll %ld:", poll);
                for (const std::string &l : lines)
                    std::printf(" [%s]", l.c_str());
                std::printf("\n");
            }
            std::fflush(stdout);
            if (!writeAll(master, response, o.chunked, meter.rng())) {
                std::perror("dmm-sim: write");
                g_stop = 1;
            }
        }
        std::fflush(stdout);
    }
    ::unlink(o.link.c_str());
    ::close(keeper);
    ::close(master);
    return rc;
}
