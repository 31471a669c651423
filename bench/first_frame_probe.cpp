// Preloaded into a program by startup_bench: reports the moment the program
// first puts a window on the screen, without a line of code in the program.
// Every window reaches the screen through QBackingStore::flush, so this
// library defines that function, writes the time of the first call and the
// processor time used until then to the descriptor named by
// QUILLMINT_PROBE_FD, and hands every call on to Qt. With
// QUILLMINT_PROBE_EXIT set, the program ends right after its first frame, so
// a profiler sees start-up only.

#include <QBackingStore>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

void QBackingStore::flush(const QRegion& region, QWindow* window, const QPoint& offset) {
    using Flush = void (*)(QBackingStore*, const QRegion&, QWindow*, const QPoint&);
    static const auto next = reinterpret_cast<Flush>(
        dlsym(RTLD_NEXT, "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint"));
    static bool reported = false;
    if (!reported) {
        reported = true;
        timespec now{}, used{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
        if (const char* fd = std::getenv("QUILLMINT_PROBE_FD")) {
            char line[96];
            const int size = std::snprintf(line, sizeof line, "%lld %ld %lld %ld\n",
                                           static_cast<long long>(now.tv_sec), now.tv_nsec,
                                           static_cast<long long>(used.tv_sec), used.tv_nsec);
            [[maybe_unused]] const auto written = ::write(std::atoi(fd), line, size_t(size));
        }
        if (std::getenv("QUILLMINT_PROBE_EXIT")) {
            next(this, region, window, offset);
            std::_Exit(0);
        }
    }
    next(this, region, window, offset);
}
