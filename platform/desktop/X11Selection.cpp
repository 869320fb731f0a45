#include "platform/desktop/X11Selection.h"

#if QUORLIN_HAVE_XCB

#include <QString>
#include <QStringDecoder>

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter
{
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

class Connection
{
public:
    Connection()
        : m_c(xcb_connect(nullptr, nullptr))
    {
    }
    ~Connection() { xcb_disconnect(m_c); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    xcb_connection_t* get() const { return m_c; }
    bool ok() const { return xcb_connection_has_error(m_c) == 0; }

    xcb_atom_t atom(const char* name) const
    {
        const auto cookie = xcb_intern_atom(m_c, 0, uint16_t(std::strlen(name)), name);
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_c, cookie, nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // The next event of `type` (for PropertyNotify, on `property`), waiting no later than `deadline`.
    Reply<xcb_generic_event_t> waitFor(uint8_t type, xcb_atom_t property, Clock::time_point deadline) const
    {
        for (;;) {
            while (xcb_generic_event_t* raw = xcb_poll_for_event(m_c)) {
                Reply<xcb_generic_event_t> event(raw);
                const uint8_t kind = event->response_type & 0x7f;
                if (kind != type)
                    continue;
                if (kind == XCB_PROPERTY_NOTIFY) {
                    const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event.get());
                    if (notify->atom != property || notify->state != XCB_PROPERTY_NEW_VALUE)
                        continue;
                }
                return event;
            }
            if (!ok())
                return nullptr;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return nullptr;
            pollfd fd{xcb_get_file_descriptor(m_c), POLLIN, 0};
            ::poll(&fd, 1, int(left.count()) + 1);
        }
    }

private:
    xcb_connection_t* m_c;
};

// Reads and deletes the property; `type` receives its type.
std::optional<std::string> takeProperty(const Connection& c, xcb_window_t window, xcb_atom_t property, xcb_atom_t& type)
{
    constexpr uint32_t Longs = 1u << 24; // 64 MB in 32-bit units, more than any clipboard text we take
    const auto cookie = xcb_get_property(c.get(), 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, Longs);
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c.get(), cookie, nullptr));
    if (!reply)
        return std::nullopt;
    type = reply->type;
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(bytes, std::size_t(xcb_get_property_value_length(reply.get())));
}

enum class Answer { Given, Refused, Late };

// Asks the owner of `selection` for `target` into `property` of `window`, following a text that comes in
// pieces (INCR) to its end.
Answer fetch(const Connection& c, xcb_window_t window, xcb_atom_t selection, xcb_atom_t target, xcb_atom_t property,
             Clock::time_point deadline, std::string& data)
{
    xcb_convert_selection(c.get(), window, selection, target, property, XCB_CURRENT_TIME);
    xcb_flush(c.get());
    const Reply<xcb_generic_event_t> event = c.waitFor(XCB_SELECTION_NOTIFY, XCB_ATOM_NONE, deadline);
    if (!event)
        return Answer::Late;
    if (reinterpret_cast<xcb_selection_notify_event_t*>(event.get())->property == XCB_ATOM_NONE)
        return Answer::Refused; // no owner, or not in this form
    xcb_atom_t type = XCB_ATOM_NONE;
    std::optional<std::string> first = takeProperty(c, window, property, type);
    xcb_flush(c.get());
    if (!first)
        return Answer::Refused;
    data = std::move(*first);
    if (type != c.atom("INCR"))
        return Answer::Given;
    // A large text comes in pieces, each announced by a new value of the property; an empty piece ends it.
    data.clear();
    for (;;) {
        if (!c.waitFor(XCB_PROPERTY_NOTIFY, property, deadline))
            return Answer::Late;
        const std::optional<std::string> piece = takeProperty(c, window, property, type);
        xcb_flush(c.get());
        if (!piece)
            return Answer::Refused;
        if (piece->empty())
            return Answer::Given;
        data += *piece;
    }
}

// A text in valid UTF-8 is handed on as it came, so a large one is never held twice; only a broken one is
// mended, with replacement characters. The check decodes a slice at a time and keeps nothing of it.
std::string fromUtf8(std::string bytes)
{
    constexpr std::size_t Slice = std::size_t(1) << 16;
    QStringDecoder decode(QStringDecoder::Utf8);
    for (std::size_t at = 0; at < bytes.size() && !decode.hasError(); at += Slice)
        (void)QString(decode(QByteArrayView(bytes.data() + at, qsizetype(std::min(Slice, bytes.size() - at)))));
    if (!decode.hasError())
        return bytes;
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size())).toStdString();
}

// Browsers hand text/html over in UTF-16 with a byte order mark; everyone else in UTF-8.
std::string htmlFrom(std::string bytes)
{
    if (bytes.size() >= 2
        && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'))) {
        const QByteArray raw(bytes.data(), qsizetype(bytes.size()));
        auto decode = QStringDecoder(QStringDecoder::Utf16);
        return QString(decode(raw)).toStdString();
    }
    return fromUtf8(std::move(bytes));
}

} // namespace

std::optional<ClipboardContent> ReadX11Selection(ClipboardMode mode, Clock::time_point deadline)
{
    const Connection c;
    if (!c.ok())
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c.get())).data;
    const xcb_window_t window = xcb_generate_id(c.get());
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c.get(), XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      screen->root_visual, XCB_CW_EVENT_MASK, &events);
    const xcb_atom_t selection = mode == ClipboardMode::Selection ? xcb_atom_t(XCB_ATOM_PRIMARY) : c.atom("CLIPBOARD");
    const xcb_atom_t property = c.atom("QUORLIN_CLIPBOARD_TEXT");

    std::optional<ClipboardContent> content;
    std::string data;
    for (const char* target : {"UTF8_STRING", "text/plain;charset=utf-8", "text/plain", "STRING"}) {
        const bool latin1 = std::strcmp(target, "STRING") == 0;
        const Answer answer = fetch(c, window, selection, latin1 ? xcb_atom_t(XCB_ATOM_STRING) : c.atom(target),
                                    property, deadline, data);
        if (answer == Answer::Late)
            return std::nullopt;
        if (answer == Answer::Given) {
            content = ClipboardContent{latin1 ? QString::fromLatin1(data.data(), qsizetype(data.size())).toStdString()
                                              : fromUtf8(std::move(data)),
                                       {}};
            break;
        }
    }
    const Answer answer = fetch(c, window, selection, c.atom("text/html"), property, deadline, data);
    if (answer == Answer::Given) {
        if (!content)
            content.emplace();
        content->html = htmlFrom(std::move(data));
    }
    return content;
}

#endif
