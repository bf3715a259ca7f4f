// Starts a program on the X display and prints, in milliseconds, how long
// after its start the first window it maps received its first drawing, when
// that window was mapped, and how much processor time the program's threads
// had used by the frame: "FRAME_MS MAP_MS CPU_MS". The last is the figure
// that a busy machine does not stretch. The program is then stopped. It
// watches from outside with the DAMAGE extension, so the program needs no
// hook of its own.
//
// Usage: zumbilo_bench_first_frame PROGRAM [ARGUMENTS...]
// Exits 1 when the program shows nothing within ten seconds.

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <span>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kGiveUpAfter = std::chrono::seconds(10);

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, Disconnect>;

struct FreeEvent {
    void operator()(xcb_generic_event_t* event) const {
        std::free(event);  // NOLINT(cppcoreguidelines-no-malloc): xcb's own allocation
    }
};
using Event = std::unique_ptr<xcb_generic_event_t, FreeEvent>;

// xcb hands every event over by its common header, whose type tells which
// event it is.
template <typename Specific>
const Specific& as(const Event& event) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast)
    return *reinterpret_cast<const Specific*>(event.get());
}

double msSince(Clock::time_point start, Clock::time_point then) {
    return std::chrono::duration<double, std::milli>(then - start).count();
}

// The program, started with its standard output on our standard error, so
// that ours carries only the figures; stopped and reaped when this goes.
class Child {
  public:
    // The command line is null-terminated, as every argv is.
    explicit Child(std::span<char*> command) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
        if (posix_spawnp(&pid_, command.front(), &actions, nullptr, command.data(), environ) != 0) {
            pid_ = 0;
        }
        posix_spawn_file_actions_destroy(&actions);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    Child(Child&&) = delete;
    Child& operator=(Child&&) = delete;
    ~Child() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

    bool started() const { return pid_ > 0; }

    // The processor time all its threads have run, in ms, from the first
    // field of each one's schedstat (nanoseconds).
    double processorMs() const {
        double nanoseconds = 0;
        std::error_code ignored;
        const auto tasks = std::filesystem::path("/proc") / std::to_string(pid_) / "task";
        for (const auto& task : std::filesystem::directory_iterator(tasks, ignored)) {
            double ran = 0;
            std::ifstream(task.path() / "schedstat") >> ran;
            nanoseconds += ran;
        }
        return nanoseconds / 1e6;
    }
    // Reaps the program if it has ended.
    bool running() {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) != 0) {
            pid_ = 0;
        }
        return pid_ > 0;
    }

  private:
    pid_t pid_ = 0;
};

// Watches every top-level window from its creation, so that no drawing to
// the first one mapped can slip past before the watch is set.
class Observer {
  public:
    explicit Observer(Connection connection) : connection_(std::move(connection)) {
        xcb_connection_t* c = connection_.get();
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
        if (damage == nullptr || damage->present == 0) {
            return;
        }
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(  // NOLINT(cppcoreguidelines-no-malloc)
            c, xcb_damage_query_version(c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        // Checked, so that the watch is in place before the program starts.
        if (xcb_request_check(c, xcb_change_window_attributes_checked(c, root_, XCB_CW_EVENT_MASK,
                                                                      &mask)) == nullptr) {
            ready_ = true;
        }
    }

    bool ready() const { return ready_; }

    // Handles the events that came; true once the first frame is seen.
    bool handleEvents() {
        while (const Event event{xcb_poll_for_event(connection_.get())}) {
            const auto type = static_cast<uint8_t>(event->response_type & 0x7FU);
            if (type == XCB_CREATE_NOTIFY) {
                watch(as<xcb_create_notify_event_t>(event));
            } else if (type == XCB_MAP_NOTIFY && firstMapped_ == XCB_NONE) {
                firstMapped_ = as<xcb_map_notify_event_t>(event).window;
                mappedAt_ = Clock::now();
            } else if (type == damageEvent_ && firstMapped_ != XCB_NONE &&
                       as<xcb_damage_notify_event_t>(event).drawable == firstMapped_) {
                return true;
            }
        }
        return false;
    }

    Clock::time_point mappedAt() const { return mappedAt_; }
    int fd() const { return xcb_get_file_descriptor(connection_.get()); }
    bool broken() const { return xcb_connection_has_error(connection_.get()) != 0; }

  private:
    void watch(const xcb_create_notify_event_t& created) {
        if (created.parent != root_) {
            return;
        }
        const xcb_damage_damage_t id = xcb_generate_id(connection_.get());
        xcb_damage_create(connection_.get(), id, created.window,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(connection_.get());
    }

    Connection connection_;
    xcb_window_t root_ = 0;
    uint8_t damageEvent_ = 0;
    bool ready_ = false;
    xcb_window_t firstMapped_ = XCB_NONE;
    Clock::time_point mappedAt_;
};

}  // namespace

int main(int argc, char** argv) {
    const std::span<char*> args(argv, static_cast<std::size_t>(argc));
    if (args.size() < 2) {
        std::fputs("usage: zumbilo_bench_first_frame PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    Observer observer{Connection(xcb_connect(nullptr, nullptr))};
    if (observer.broken() || !observer.ready()) {
        std::fputs("zumbilo_bench_first_frame: no X display with the DAMAGE extension\n", stderr);
        return 1;
    }

    const Clock::time_point start = Clock::now();
    Child child(args.subspan(1));
    if (!child.started()) {
        std::fprintf(stderr, "zumbilo_bench_first_frame: cannot start %s\n", args[1]);
        return 1;
    }
    pollfd x{.fd = observer.fd(), .events = POLLIN, .revents = 0};
    while (Clock::now() - start < kGiveUpAfter && !observer.broken() && child.running()) {
        if (observer.handleEvents()) {
            const Clock::time_point frame = Clock::now();
            std::printf("%.2f %.2f %.2f\n", msSince(start, frame),
                        msSince(start, observer.mappedAt()), child.processorMs());
            return 0;
        }
        poll(&x, 1, 100);
    }
    std::fputs("zumbilo_bench_first_frame: no frame drawn\n", stderr);
    return 1;
}
