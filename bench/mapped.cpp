// What a learner waits for at start-up: the time from starting a program
// until its first window is mapped on the X server, and until that window's
// first paint has reached the server.
//
//   bench-mapped ROUNDS COMMAND [COMMAND...]
//   bench-mapped --until mapped|painted COMMAND
//
// The commands run in turn, ROUNDS times (alternating, so that both meet the
// same state of the machine); each is ended once its window is painted. For
// each command the tool prints the median times, and the ratio of its medians
// to the first command's. An X client of its own watches the root window for
// windows being created and mapped (SubstructureNotify) and follows their
// paints with the Damage extension.
//
// With --until, it runs the command once and exits as soon as its window is
// mapped (or painted): an outside timing tool then times the whole.
//
//   xvfb-run -a bench-mapped 15 ./bench-bare ./transformateur-impulsions
//   xvfb-run -a hyperfine -N 'bench-mapped --until mapped ./bench-bare' ...

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Times {
    double mapped = -1;
    double painted = -1;
};

class Watcher {
public:
    Watcher() {
        m_conn = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_conn)) {
            std::fputs("bench-mapped: no X server (DISPLAY)\n", stderr);
            std::exit(2);
        }
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_conn)).data->root;
        const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_conn, &xcb_damage_id);
        if (!damage || !damage->present) {
            std::fputs("bench-mapped: the X server has no Damage extension\n", stderr);
            std::exit(2);
        }
        m_damageEvent = damage->first_event;
        free(xcb_damage_query_version_reply(
            m_conn, xcb_damage_query_version(m_conn, XCB_DAMAGE_MAJOR_VERSION, 0), nullptr));
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_conn, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_conn);
    }
    ~Watcher() { xcb_disconnect(m_conn); }

    // Starts the command and waits for its first window to be mapped, and
    // painted unless \a untilPainted is false.
    Times run(const std::string &command, bool untilPainted = true) {
        drain();
        std::vector<std::string> words;
        for (size_t at = 0; at < command.size();) {
            const size_t end = command.find(' ', at);
            words.push_back(command.substr(at, end == std::string::npos ? end : end - at));
            at = end == std::string::npos ? command.size() : end + 1;
        }
        std::vector<char *> argv;
        for (std::string &w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);

        Times times;
        const double start = nowMs();
        const pid_t child = fork();
        if (child == 0) {
            // What the program says is not part of what is measured.
            if (const int null = open("/dev/null", O_WRONLY); null >= 0)
                dup2(null, STDERR_FILENO);
            execvp(argv[0], argv.data());
            std::perror("bench-mapped: exec");
            _exit(127);
        }
        std::set<xcb_window_t> created;
        xcb_window_t shown = XCB_NONE;
        const double deadline = start + 20000;
        while ((untilPainted ? times.painted : times.mapped) < 0 && nowMs() < deadline) {
            xcb_generic_event_t *event = next(deadline);
            if (!event)
                break;
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto *e = reinterpret_cast<xcb_create_notify_event_t *>(event);
                if (e->parent == m_root && !e->override_redirect) {
                    // Followed from its creation, so that no paint is missed.
                    xcb_damage_create(m_conn, xcb_generate_id(m_conn), e->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    xcb_flush(m_conn);
                    created.insert(e->window);
                }
            } else if (type == XCB_MAP_NOTIFY && shown == XCB_NONE) {
                const auto *e = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (created.count(e->window) && !e->override_redirect) {
                    times.mapped = nowMs() - start;
                    shown = e->window;
                }
            } else if (type == m_damageEvent + XCB_DAMAGE_NOTIFY && shown != XCB_NONE) {
                const auto *e = reinterpret_cast<xcb_damage_notify_event_t *>(event);
                if (e->drawable == shown)
                    times.painted = nowMs() - start;
            }
            free(event);
        }
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return times;
    }

private:
    // The next event, or null once the deadline has passed.
    xcb_generic_event_t *next(double deadline) {
        while (true) {
            if (xcb_generic_event_t *event = xcb_poll_for_event(m_conn))
                return event;
            const double left = deadline - nowMs();
            if (left <= 0)
                return nullptr;
            pollfd fd{xcb_get_file_descriptor(m_conn), POLLIN, 0};
            poll(&fd, 1, int(left) + 1);
        }
    }

    // What earlier runs left behind.
    void drain() {
        xcb_aux_sync();
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_conn))
            free(event);
    }
    void xcb_aux_sync() {
        free(xcb_get_input_focus_reply(m_conn, xcb_get_input_focus(m_conn), nullptr));
    }

    xcb_connection_t *m_conn;
    xcb_window_t m_root;
    uint8_t m_damageEvent = 0;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty()      ? -1
           : v.size() % 2 ? v[v.size() / 2]
                          : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc == 4 && std::strcmp(argv[1], "--until") == 0) {
        const bool painted = std::strcmp(argv[2], "painted") == 0;
        if (!painted && std::strcmp(argv[2], "mapped") != 0) {
            std::fputs("bench-mapped: --until mapped or --until painted\n", stderr);
            return 2;
        }
        Watcher watcher;
        const Times t = watcher.run(argv[3], painted);
        if ((painted ? t.painted : t.mapped) < 0) {
            std::fprintf(stderr, "bench-mapped: %s showed no window\n", argv[3]);
            return 1;
        }
        return 0;
    }
    if (argc < 3 || std::atoi(argv[1]) < 1) {
        std::fputs("usage: bench-mapped ROUNDS COMMAND [COMMAND...]\n"
                   "       bench-mapped --until mapped|painted COMMAND\n",
                   stderr);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<std::string> commands(argv + 2, argv + argc);
    std::vector<std::vector<double>> mapped(commands.size()), painted(commands.size());
    Watcher watcher;
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < commands.size(); ++i) {
            const Times t = watcher.run(commands[i]);
            if (t.mapped < 0 || t.painted < 0) {
                std::fprintf(stderr, "bench-mapped: %s showed no painted window\n",
                             commands[i].c_str());
                return 1;
            }
            mapped[i].push_back(t.mapped);
            painted[i].push_back(t.painted);
        }
    }
    std::printf("%d alternating rounds, medians from start:\n", rounds);
    const double mapped0 = median(mapped[0]);
    const double painted0 = median(painted[0]);
    for (size_t i = 0; i < commands.size(); ++i) {
        const double m = median(mapped[i]);
        const double p = median(painted[i]);
        std::printf("  %-40s mapped %6.1f ms (x %.2f)   painted %6.1f ms (x %.2f)\n",
                    commands[i].c_str(), m, m / mapped0, p, p / painted0);
    }
    return 0;
}
