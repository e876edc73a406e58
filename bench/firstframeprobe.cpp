// Preloaded into a program by bench_startup: notes when its first frame reaches the screen, that
// is when a window's backing store is first flushed, on the monotonic clock the benchmark reads.
// With ARVEX_EXIT_AT_FIRST_FRAME set the program ends there, so that an instruction count taken
// under callgrind covers exactly the start-up.
#include <QBackingStore>

#include <dlfcn.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using FlushFunction = void (*)(QBackingStore *, const QRegion &, QWindow *, const QPoint &);

void noteFirstFrame()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const char *path = std::getenv("ARVEX_FIRST_FRAME_FILE");
    if (!path)
        return;
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%lld\n",
        static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return;
    if (write(fd, text, size_t(length)) != length)
        std::fprintf(stderr, "firstframeprobe: could not write %s\n", path);
    close(fd);
}

} // namespace

void QBackingStore::flush(const QRegion &region, QWindow *window, const QPoint &offset)
{
    static const auto realFlush = reinterpret_cast<FlushFunction>(
        dlsym(RTLD_NEXT, "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint"));
    static bool flushedBefore = false;
    realFlush(this, region, window, offset);
    if (flushedBefore)
        return;
    flushedBefore = true;
    noteFirstFrame();
    if (std::getenv("ARVEX_EXIT_AT_FIRST_FRAME"))
        _exit(0);
}
