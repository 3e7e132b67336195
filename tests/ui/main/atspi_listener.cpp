// A screen reader's ears and nothing more: it turns assistive technology on
// for the session as a screen reader does, then writes every change of text
// or value it hears on the accessibility bus to standard output, one line
// each, until its standard input closes.
#include <atspi/atspi.h>
#include <gio/gio.h>

#include <cstdio>

namespace {

// What a screen reader listens to when a text or a value on the screen
// changes.
constexpr const char* kEvents[] = {
    "object:text-changed",
    "object:property-change:accessible-value",
    "object:value-changed",
};

// A screen reader says it is there, and toolkits start talking on the bus.
bool TurnScreenReaderOn() {
    GError* error = nullptr;
    GDBusConnection* session = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (session != nullptr) {
        GVariant* reply = g_dbus_connection_call_sync(
            session, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
            g_variant_new("(ssv)", "org.a11y.Status", "ScreenReaderEnabled", g_variant_new_boolean(TRUE)), nullptr,
            G_DBUS_CALL_FLAGS_NONE, -1, nullptr, &error);
        if (reply != nullptr) g_variant_unref(reply);
        g_object_unref(session);
    }
    if (error == nullptr) return true;
    std::fprintf(stderr, "cannot reach the accessibility bus: %s\n", error->message);
    g_error_free(error);
    return false;
}

// "object:text-changed:insert<TAB>label<TAB>Body Style<TAB>0<TAB>5<TAB>Coupe":
// the event, the role and name of the object it came from, its two numbers
// and its text, if it carries one.
void PrintEvent(AtspiEvent* event, void*) {
    gchar* role = atspi_accessible_get_role_name(event->source, nullptr);
    gchar* name = atspi_accessible_get_name(event->source, nullptr);
    const char* text = G_VALUE_HOLDS_STRING(&event->any_data) ? g_value_get_string(&event->any_data) : "";
    std::printf("%s\t%s\t%s\t%d\t%d\t%s\n", event->type, role ? role : "", name ? name : "", event->detail1,
                event->detail2, text ? text : "");
    std::fflush(stdout);
    g_free(role);
    g_free(name);
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

gboolean QuitAtEndOfInput(GIOChannel*, GIOCondition, gpointer loop) {
    g_main_loop_quit(static_cast<GMainLoop*>(loop));
    return G_SOURCE_REMOVE;
}

}  // namespace

int main() {
    if (!TurnScreenReaderOn() || atspi_init() < 0) return 1;
    AtspiEventListener* listener = atspi_event_listener_new(PrintEvent, nullptr, nullptr);
    for (const char* event : kEvents) {
        GError* error = nullptr;
        if (!atspi_event_listener_register(listener, event, &error)) {
            std::fprintf(stderr, "cannot listen to %s: %s\n", event, error ? error->message : "");
            return 1;
        }
    }
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    GIOChannel* input = g_io_channel_unix_new(0);
    g_io_add_watch(input, static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR), QuitAtEndOfInput, loop);
    std::printf("listening\n");
    std::fflush(stdout);
    // A loop of our own rather than atspi_event_main(), which never frees its
    // loop and so fails the leak check of the sanitizer build.
    g_main_loop_run(loop);
    g_main_loop_unref(loop);
    g_io_channel_unref(input);
    g_object_unref(listener);
    return atspi_exit();
}
