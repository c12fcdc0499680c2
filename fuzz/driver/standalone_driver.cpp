// Runs a fuzz target without libFuzzer, so that any compiler can build it:
// every seed once as it is, then seeded mutations of the seeds (bit flips,
// bytes set, inserted and deleted, chunks repeated or spliced in from another
// seed, truncations, random bytes), each through LLVMFuzzerTestOneInput.
//
//   fuzz_<name> [-runs=N] [-max_total_time=SECONDS] [-seed=S] [-max_len=L]
//               [-seed_inputs=FILE,...] SEED_FILE_OR_FOLDER...
//
// (the options libFuzzer knows by the same names, so that one command line
// serves both).
//
// Prints "<target>: <N> inputs, 0 crashes" at the end. A crash writes the
// input that caused it to ./crash-<target> before the process dies.

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" __attribute__((weak)) void __sanitizer_set_death_callback(void (*callback)());

namespace {

using Bytes = std::vector<uint8_t>;

// What the crash handler needs, kept where a signal handler may reach it.
const Bytes* g_current = nullptr;
char g_crashFile[512] = "crash";
unsigned long long g_run = 0;

void writeAll(int fd, const void* data, size_t size) {
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n <= 0) {
            return;
        }
        p += n;
        size -= static_cast<size_t>(n);
    }
}

void saveCurrentInput() {
    static bool saved = false;
    if (saved || g_current == nullptr) {
        return;
    }
    saved = true;
    const int fd = ::open(g_crashFile, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        writeAll(fd, g_current->data(), g_current->size());
        ::close(fd);
    }
    const char note[] = "\nfuzz driver: the input that crashed is saved as ";
    writeAll(2, note, sizeof note - 1);
    writeAll(2, g_crashFile, std::strlen(g_crashFile));
    writeAll(2, "\n", 1);
}

void onSignal(int signal) {
    saveCurrentInput();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::vector<Bytes> readSeeds(const std::vector<std::string>& places) {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    for (const std::string& place : places) {
        if (fs::is_directory(place)) {
            for (const auto& entry : fs::recursive_directory_iterator(place)) {
                if (entry.is_regular_file()) {
                    files.push_back(entry.path().string());
                }
            }
        } else if (fs::is_regular_file(place)) {
            files.push_back(place);
        } else {
            std::fprintf(stderr, "fuzz driver: no seed file or folder %s\n", place.c_str());
            std::exit(2);
        }
    }
    std::sort(files.begin(), files.end());  // the same order on every machine
    std::vector<Bytes> seeds;
    for (const std::string& f : files) {
        std::ifstream in(f, std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return seeds;
}

class Mutator {
public:
    Mutator(const std::vector<Bytes>& seeds, uint64_t seed, size_t maxLength)
        : m_seeds(seeds), m_random(seed), m_maxLength(maxLength) {}

    Bytes next() {
        Bytes input = m_seeds.empty() ? Bytes() : m_seeds[below(m_seeds.size())];
        const size_t steps = 1 + below(4);
        for (size_t i = 0; i < steps; ++i) {
            mutate(input);
        }
        if (input.size() > m_maxLength) {
            input.resize(m_maxLength);
        }
        return input;
    }

private:
    size_t below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(m_random() % n); }
    uint8_t byte() { return static_cast<uint8_t>(m_random()); }
    // A short length, mostly 1 to 8, now and then up to 256.
    size_t span() { return below(8) == 0 ? 1 + below(256) : 1 + below(8); }
    const Bytes& otherSeed() { return m_seeds[below(m_seeds.size())]; }

    void mutate(Bytes& b) {
        switch (below(9)) {
            case 0:  // flip a bit
                if (!b.empty()) {
                    b[below(b.size())] ^= static_cast<uint8_t>(1u << below(8));
                }
                break;
            case 1:  // set a byte, often to one that means something to a parser
                if (!b.empty()) {
                    static const char kSpecial[] = "\0\n\r\t \",;#=<>/&%.-+e0123456789\xff\x80";
                    b[below(b.size())] =
                        below(2) ? byte()
                                 : static_cast<uint8_t>(kSpecial[below(sizeof kSpecial - 1)]);
                }
                break;
            case 2: {  // insert random bytes
                Bytes chunk(span());
                for (uint8_t& c : chunk) {
                    c = byte();
                }
                b.insert(b.begin() + static_cast<long>(below(b.size() + 1)), chunk.begin(),
                         chunk.end());
                break;
            }
            case 3:  // delete a chunk
                if (!b.empty()) {
                    const size_t at = below(b.size());
                    const size_t n = std::min(span(), b.size() - at);
                    b.erase(b.begin() + static_cast<long>(at),
                            b.begin() + static_cast<long>(at + n));
                }
                break;
            case 4: {  // splice: this input's head, another seed's tail
                const Bytes& other = otherSeed();
                const size_t head = below(b.size() + 1);
                const size_t tail = below(other.size() + 1);
                b.resize(head);
                b.insert(b.end(), other.begin() + static_cast<long>(tail), other.end());
                break;
            }
            case 5: {  // a chunk of another seed inserted
                const Bytes& other = otherSeed();
                if (!other.empty()) {
                    const size_t at = below(other.size());
                    const size_t n = std::min(span() * 4, other.size() - at);
                    b.insert(b.begin() + static_cast<long>(below(b.size() + 1)),
                             other.begin() + static_cast<long>(at),
                             other.begin() + static_cast<long>(at + n));
                }
                break;
            }
            case 6:  // truncate
                b.resize(below(b.size() + 1));
                break;
            case 7:  // repeat a chunk
                if (!b.empty()) {
                    const size_t at = below(b.size());
                    const size_t n = std::min(span(), b.size() - at);
                    const Bytes chunk(b.begin() + static_cast<long>(at),
                                      b.begin() + static_cast<long>(at + n));
                    const size_t times = 1 + below(below(4) == 0 ? 1000 : 8);
                    for (size_t t = 0; t < times && b.size() < m_maxLength; ++t) {
                        b.insert(b.begin() + static_cast<long>(at), chunk.begin(), chunk.end());
                    }
                }
                break;
            default:  // random bytes, now and then instead of the seed
                if (below(16) == 0) {
                    b.resize(below(span() * 8));
                    for (uint8_t& c : b) {
                        c = byte();
                    }
                } else if (!b.empty()) {
                    b[below(b.size())] = byte();
                }
                break;
        }
    }

    const std::vector<Bytes>& m_seeds;
    std::mt19937_64 m_random;
    size_t m_maxLength;
};

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize != nullptr) {
        LLVMFuzzerInitialize(&argc, &argv);
    }
    unsigned long long runs = 2000;
    unsigned long long seconds = 0;  // no limit
    uint64_t seed = 1;
    size_t maxLength = 0;
    std::vector<std::string> places;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("-runs=", 0) == 0) {
            runs = std::strtoull(a.c_str() + 6, nullptr, 10);
        } else if (a.rfind("-max_total_time=", 0) == 0) {
            seconds = std::strtoull(a.c_str() + 16, nullptr, 10);
        } else if (a.rfind("-seed=", 0) == 0) {
            seed = std::strtoull(a.c_str() + 6, nullptr, 10);
        } else if (a.rfind("-max_len=", 0) == 0) {
            maxLength = std::strtoull(a.c_str() + 9, nullptr, 10);
        } else if (a.rfind("-seed_inputs=", 0) == 0) {
            std::string files = a.substr(13);
            for (size_t comma; (comma = files.find(',')) != std::string::npos;) {
                places.push_back(files.substr(0, comma));
                files.erase(0, comma + 1);
            }
            places.push_back(files);
        } else if (!a.empty() && a[0] == '-') {
            std::fprintf(stderr, "fuzz driver: unknown option %s\n", a.c_str());
            return 2;
        } else {
            places.push_back(a);
        }
    }
    const std::string target = std::filesystem::path(argv[0]).filename().string();
    std::snprintf(g_crashFile, sizeof g_crashFile, "crash-%s", target.c_str());
    const std::vector<Bytes> seeds = readSeeds(places);
    if (maxLength == 0) {
        // Room for every seed to grow to twice its size.
        maxLength = 4096;
        for (const Bytes& s : seeds) {
            maxLength = std::max(maxLength, s.size() * 2);
        }
    }

    for (int s : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS}) {
        std::signal(s, onSignal);
    }
    if (__sanitizer_set_death_callback != nullptr) {
        __sanitizer_set_death_callback(saveCurrentInput);
    }

    const auto runOne = [](const Bytes& input) {
        g_current = &input;
        // A copy of exactly the input's size, so that reading past its end is caught.
        std::unique_ptr<uint8_t[]> copy(new uint8_t[input.size()]);
        std::copy(input.begin(), input.end(), copy.get());
        LLVMFuzzerTestOneInput(copy.get(), input.size());
        g_current = nullptr;
        ++g_run;
    };
    for (const Bytes& s : seeds) {
        runOne(s);
    }
    Mutator mutator(seeds, seed, maxLength);
    const auto start = std::chrono::steady_clock::now();
    const auto outOfTime = [&] {
        return seconds > 0 && g_run % 64 == 0 &&
               std::chrono::steady_clock::now() - start >= std::chrono::seconds(seconds);
    };
    while (g_run < runs && !outOfTime()) {
        const Bytes input = mutator.next();
        runOne(input);
    }
    std::printf("%s: %llu inputs, 0 crashes\n", target.c_str(), g_run);
    std::fflush(stdout);
    return 0;
}
