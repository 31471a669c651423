// Start-up of the real executable against the floor program (startup_floor),
// in interleaved rounds: each round starts both, in alternating order, and
// measures the time from the start of the process to its first frame (the
// first window put on the screen, reported by first_frame_probe), the
// processor time used until then (which a busy machine disturbs less), the
// time until start-up is over (the event loop first idle after the first
// frame) and the peak memory once start-up has settled. Prints the medians
// and the median of the per-round ratios. Given an earlier build of the
// executable, each round starts that too, and the time until start-up is
// over is also compared with that build's first frame.
//
//   startup_bench [rounds] [settle ms] [earlier executable]
//
// The platform is QT_QPA_PLATFORM (offscreen when unset); run it under
// xvfb-run with QT_QPA_PLATFORM=xcb to measure against an X server.

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Start {
    double milliseconds = 0;
    double cpuMilliseconds = 0;
    double idleMilliseconds = 0;
    double idleCpuMilliseconds = 0;
    double peakMiB = 0;
};

double monotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double peakMiBOf(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0;
}

// Starts `program`, waits for its first frame and for start-up to settle,
// then ends it.
Start startOnce(const std::string& program, int settleMs) {
    int report[2];
    if (::pipe(report) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    std::vector<std::string> settings = {
        "LD_PRELOAD=" QUILLMINT_PROBE,
        "QUILLMINT_PROBE_FD=" + std::to_string(report[1]),
    };
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    settings.push_back(std::string("QT_QPA_PLATFORM=") + (platform ? platform : "offscreen"));
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        if (entry.rfind("LD_PRELOAD=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
            settings.push_back(entry);
    }
    std::vector<char*> environment;
    for (std::string& entry : settings)
        environment.push_back(entry.data());
    environment.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, report[0]);
    std::string path = program;
    std::array<char*, 2> arguments = {path.data(), nullptr};
    pid_t pid = 0;
    const double started = monotonicSeconds();
    if (posix_spawn(&pid, path.c_str(), &actions, nullptr, arguments.data(), environment.data()) !=
        0) {
        std::perror(path.c_str());
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(report[1]);

    // The probe's two lines: "frame" and "idle", each with the time and the
    // processor time used.
    std::string lines;
    pollfd wait{report[0], POLLIN, 0};
    while (std::count(lines.begin(), lines.end(), '\n') < 2) {
        char chunk[256];
        const ssize_t got =
            ::poll(&wait, 1, 30000) == 1 ? ::read(report[0], chunk, sizeof chunk) : -1;
        if (got <= 0) {
            std::fprintf(stderr, "%s did not finish starting\n", path.c_str());
            std::exit(1);
        }
        lines.append(chunk, size_t(got));
    }
    ::close(report[0]);
    Start start;
    for (size_t at = 0; at < lines.size(); at = lines.find('\n', at) + 1) {
        char moment[8] = {};
        long long seconds = 0, cpuSeconds = 0;
        long nanoseconds = 0, cpuNanoseconds = 0;
        std::sscanf(lines.c_str() + at, "%7s %lld %ld %lld %ld", moment, &seconds, &nanoseconds,
                    &cpuSeconds, &cpuNanoseconds);
        const double milliseconds =
            (double(seconds) + double(nanoseconds) / 1e9 - started) * 1000.0;
        const double cpuMilliseconds = (double(cpuSeconds) + double(cpuNanoseconds) / 1e9) * 1000.0;
        if (std::strcmp(moment, "frame") == 0) {
            start.milliseconds = milliseconds;
            start.cpuMilliseconds = cpuMilliseconds;
        } else {
            start.idleMilliseconds = milliseconds;
            start.idleCpuMilliseconds = cpuMilliseconds;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    start.peakMiB = peakMiBOf(pid);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return start;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const int settleMs = argc > 2 ? std::max(0, std::atoi(argv[2])) : 1500;
    const std::string program = QUILLMINT_EXECUTABLE;
    const std::string floor = QUILLMINT_FLOOR;
    const std::string earlier = argc > 3 ? argv[3] : "";
    // Each once first, so none pays for a cold disk cache.
    startOnce(program, 0);
    startOnce(floor, 0);
    if (!earlier.empty())
        startOnce(earlier, 0);

    std::vector<double> ours, floors, timeRatios, ourCpu, floorCpu, cpuRatios, ourPeaks, floorPeaks,
        peakRatios, ourIdle, ourIdleCpu, floorIdle, earlierFrames, earlierCpu, idleRatios,
        idleCpuRatios;
    for (int round = 0; round < rounds; ++round) {
        Start a, b, c;
        if (round % 2 == 0) {
            a = startOnce(program, settleMs);
            b = startOnce(floor, settleMs);
            if (!earlier.empty())
                c = startOnce(earlier, settleMs);
        } else {
            if (!earlier.empty())
                c = startOnce(earlier, settleMs);
            b = startOnce(floor, settleMs);
            a = startOnce(program, settleMs);
        }
        ourIdle.push_back(a.idleMilliseconds);
        ourIdleCpu.push_back(a.idleCpuMilliseconds);
        floorIdle.push_back(b.idleMilliseconds);
        if (!earlier.empty()) {
            earlierFrames.push_back(c.milliseconds);
            earlierCpu.push_back(c.cpuMilliseconds);
            idleRatios.push_back(a.idleMilliseconds / c.milliseconds);
            idleCpuRatios.push_back(a.idleCpuMilliseconds / c.cpuMilliseconds);
        }
        ours.push_back(a.milliseconds);
        floors.push_back(b.milliseconds);
        timeRatios.push_back(a.milliseconds / b.milliseconds);
        ourCpu.push_back(a.cpuMilliseconds);
        floorCpu.push_back(b.cpuMilliseconds);
        cpuRatios.push_back(a.cpuMilliseconds / b.cpuMilliseconds);
        ourPeaks.push_back(a.peakMiB);
        floorPeaks.push_back(b.peakMiB);
        peakRatios.push_back(a.peakMiB / b.peakMiB);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("%d rounds, platform %s, peak memory %d ms after the first frame\n", rounds,
                platform ? platform : "offscreen", settleMs);
    std::printf("| measure | Quillmint | floor | ratio (median) |\n|---|---|---|---|\n");
    std::printf("| start to first frame | %.1f ms | %.1f ms | %.2f |\n", median(ours),
                median(floors), median(timeRatios));
    std::printf("| processor time to first frame | %.1f ms | %.1f ms | %.2f |\n", median(ourCpu),
                median(floorCpu), median(cpuRatios));
    std::printf("| peak memory at start | %.1f MiB | %.1f MiB | %.2f |\n", median(ourPeaks),
                median(floorPeaks), median(peakRatios));
    std::printf("| start until start-up is over | %.1f ms | %.1f ms | |\n", median(ourIdle),
                median(floorIdle));
    std::printf("| processor time until start-up is over | %.1f ms | | |\n", median(ourIdleCpu));
    if (!earlier.empty()) {
        std::printf("\nAgainst the earlier build's first frame:\n");
        std::printf("| measure | Quillmint | earlier build, first frame | ratio (median) "
                    "|\n|---|---|---|---|\n");
        std::printf("| start until start-up is over | %.1f ms | %.1f ms | %.2f |\n",
                    median(ourIdle), median(earlierFrames), median(idleRatios));
        std::printf("| processor time until start-up is over | %.1f ms | %.1f ms | %.2f |\n",
                    median(ourIdleCpu), median(earlierCpu), median(idleCpuRatios));
    }
    return 0;
}
