// Desktop notices through the freedesktop notification service, with GLib's D-Bus
// client (GDBus). The library is loaded when notices are first asked for, not linked:
// keldra-report starts at every status-bar refresh, and most runs never notify.
// GLib's own headers give every call's exact type.
#include <dlfcn.h>
#include <gio/gio.h>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/desktop_notices.h"
#include "platform/drive_table.h"

namespace keldra::platform {
namespace {

constexpr const char* Service = "org.freedesktop.Notifications";
constexpr const char* Object = "/org/freedesktop/Notifications";
// How long a notice may take to be taken: the service may be slow to start (it is
// often started by the bus on the first notice).
constexpr int Call_Timeout_Ms = 25000;
// A session bus is a local socket: one that has not answered a connection in this
// long is hung, and notices are given up for the run.
constexpr std::chrono::seconds Connect_Wait{10};
// The package's icon and desktop entry, for the notice's look and its grouping.
constexpr const char* Desktop_Id = "org.example.keldra";

struct Gio {
#define KELDRA_GIO_CALLS(X)             \
  X(g_bus_get_sync)                     \
  X(g_dbus_connection_call)             \
  X(g_dbus_connection_call_finish)      \
  X(g_dbus_connection_signal_subscribe) \
  X(g_variant_new)                      \
  X(g_variant_new_parsed)               \
  X(g_variant_get)                      \
  X(g_variant_unref)                    \
  X(g_error_free)                       \
  X(g_main_context_new)                 \
  X(g_main_context_push_thread_default) \
  X(g_main_context_iteration)           \
  X(g_main_context_wakeup) X(g_main_context_invoke) X(g_main_context_unref) X(g_object_unref)
#define KELDRA_GIO_MEMBER(name) decltype(&::name) name = nullptr;
  KELDRA_GIO_CALLS(KELDRA_GIO_MEMBER)

  // False, with why, when the library or one of its calls is missing.
  bool Load(std::string& why) {
    void* lib = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) {
      why = "GLib's gio library (libgio-2.0.so.0) is not installed";
      return false;
    }
    bool all = true;
#define KELDRA_GIO_LOAD(name) \
  all = all && (name = reinterpret_cast<decltype(name)>(dlsym(lib, #name))) != nullptr;
    KELDRA_GIO_CALLS(KELDRA_GIO_LOAD)
    if (!all) why = "GLib's gio library lacks the D-Bus calls";
    return all;  // never unloaded: GLib keeps threads of its own
  }
};

class Bus_Notices final : public Desktop_Notices {
 public:
  Bus_Notices(const Gio& gio, Notice_Events events) : gio_(gio), events_(std::move(events)) {}

  ~Bus_Notices() override {
    stopping_ = true;
    if (context_ != nullptr) gio_.g_main_context_wakeup(context_);
    if (thread_.joinable()) thread_.join();
    if (bus_ != nullptr) gio_.g_object_unref(bus_);
    if (context_ != nullptr) gio_.g_main_context_unref(context_);
  }

  // Connects on the notices' own thread, which then runs the notices' events; false,
  // with why, when the session bus cannot be reached. stuck: the bus did not answer
  // at all, and the thread still waits on it (this must then never be destroyed).
  bool Start(std::string& why, bool& stuck) {
    context_ = gio_.g_main_context_new();
    std::unique_lock lock(mutex_);
    thread_ = std::thread([this] { Run(); });
    stuck = !started_.wait_for(lock, Connect_Wait, [this] { return connected_.has_value(); });
    if (stuck) {
      why = "the session bus did not answer";
      thread_.detach();
      return false;
    }
    if (!*connected_) why = connect_error_;
    return *connected_;
  }

  void Show(const Desktop_Notice& notice) override {
    {
      std::lock_guard lock(mutex_);
      queue_.push_back(notice);
    }
    gio_.g_main_context_invoke(context_, &Bus_Notices::Send_Queued, this);
  }

 private:
  void Run() {
    gio_.g_main_context_push_thread_default(context_);
    GError* error = nullptr;
    bus_ = gio_.g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    {
      std::lock_guard lock(mutex_);
      if (bus_ == nullptr) connect_error_ = Error_Text(error, "no session bus");
      connected_ = bus_ != nullptr;
    }
    started_.notify_all();
    if (bus_ == nullptr) return;
    gio_.g_dbus_connection_signal_subscribe(bus_, nullptr, Service, "ActionInvoked", Object,
                                            nullptr, G_DBUS_SIGNAL_FLAGS_NONE,
                                            &Bus_Notices::On_Action, this, nullptr);
    while (!stopping_) gio_.g_main_context_iteration(context_, TRUE);
  }

  std::string Error_Text(GError* error, const char* otherwise) {
    if (error == nullptr) return otherwise;
    std::string text = error->message != nullptr ? error->message : otherwise;
    gio_.g_error_free(error);
    return text;
  }

  static gboolean Send_Queued(gpointer self) {
    static_cast<Bus_Notices*>(self)->Send_All();
    return G_SOURCE_REMOVE;
  }

  struct Pending_Call {
    Bus_Notices* self;
    char letter;
  };

  void Send_All() {
    std::deque<Desktop_Notice> notices;
    {
      std::lock_guard lock(mutex_);
      notices.swap(queue_);
    }
    for (const Desktop_Notice& n : notices) {
      const int i = Drive_Letter_Index(n.letter);
      if (i < 0) continue;
      // "default" is a click on the notice itself: it opens the folder as well.
      const char* actions[] = {"default", n.open_label.c_str(),  "open", n.open_label.c_str(),
                               "quiet",   n.quiet_label.c_str(), nullptr};
      GVariant* hints =
          gio_.g_variant_new_parsed("{'desktop-entry': <%s>, 'urgency': <byte 1>}", Desktop_Id);
      GVariant* parameters =
          gio_.g_variant_new("(susss^as@a{sv}i)", "Keldra", ids_[static_cast<std::size_t>(i)],
                             Desktop_Id, n.summary.c_str(), n.body.c_str(), actions, hints, -1);
      gio_.g_dbus_connection_call(bus_, Service, Object, Service, "Notify", parameters, nullptr,
                                  G_DBUS_CALL_FLAGS_NONE, Call_Timeout_Ms, nullptr,
                                  &Bus_Notices::On_Notified, new Pending_Call{this, n.letter});
    }
  }

  static void On_Notified(GObject* source, GAsyncResult* result, gpointer data) {
    auto* call = static_cast<Pending_Call*>(data);
    Bus_Notices& self = *call->self;
    GError* error = nullptr;
    GVariant* reply = self.gio_.g_dbus_connection_call_finish(
        reinterpret_cast<GDBusConnection*>(source), result, &error);
    if (reply != nullptr) {
      guint32 id = 0;
      self.gio_.g_variant_get(reply, "(u)", &id);
      self.gio_.g_variant_unref(reply);
      std::lock_guard lock(self.mutex_);
      self.ids_[static_cast<std::size_t>(Drive_Letter_Index(call->letter))] = id;
    } else if (self.events_.failure) {
      self.events_.failure(self.Error_Text(error, "the notice was not taken"));
    }
    delete call;
  }

  static void On_Action(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                        GVariant* parameters, gpointer data) {
    auto& self = *static_cast<Bus_Notices*>(data);
    guint32 id = 0;
    const gchar* key = nullptr;
    self.gio_.g_variant_get(parameters, "(u&s)", &id, &key);
    char letter = 0;
    {
      std::lock_guard lock(self.mutex_);
      for (std::size_t i = 0; i < self.ids_.size(); ++i) {
        if (id != 0 && self.ids_[i] == id) letter = static_cast<char>('A' + i);
      }
    }
    // Another program's notice, or one of ours from before a restart.
    if (letter == 0 || !self.events_.action || key == nullptr) return;
    const std::string action = key;
    if (action == "open" || action == "default") self.events_.action(letter, Notice_Action::Open);
    if (action == "quiet") self.events_.action(letter, Notice_Action::Quiet);
  }

  const Gio& gio_;
  Notice_Events events_;
  GMainContext* context_ = nullptr;
  GDBusConnection* bus_ = nullptr;
  std::thread thread_;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::condition_variable started_;
  std::optional<bool> connected_;
  std::string connect_error_;
  std::deque<Desktop_Notice> queue_;
  std::array<guint32, Drive_Letter_Count> ids_{};  // the notice on screen for each drive
};

}  // namespace

std::unique_ptr<Desktop_Notices> Make_Desktop_Notices(Notice_Events events, std::string& why_not) {
  static Gio gio;
  static std::string load_error;
  static const bool loaded = gio.Load(load_error);
  if (!loaded) {
    why_not = load_error;
    return nullptr;
  }
  auto notices = std::make_unique<Bus_Notices>(gio, std::move(events));
  bool stuck = false;
  if (notices->Start(why_not, stuck)) return notices;
  if (stuck) static_cast<void>(notices.release());  // its thread still uses it
  return nullptr;
}

}  // namespace keldra::platform
