/*
 * driver.cpp -- carrying out the `--do` actions.
 *
 * The driver runs on the command's own thread, from a thread timer (10 ms)
 * whose WM_TIMER every modal loop of the plug-in dispatches: the dialogs'
 * loops, message boxes and sub-dialogs alike. Each turn looks at the window
 * on top and carries out the next action if its window and control are
 * there; an action that makes a new modal loop (a click that asks a
 * question) lets the following actions run inside that loop. The index of
 * the next action advances before an action is carried out for that reason.
 *
 * After a failure the driver ends the windows that are up, innermost first
 * (EndDialog), so the command returns and the run ends with status 3.
 */
#include <stdlib.h>
#include <string.h>

#include "cphost/host_impl.h"
#include "cphost/png.h"

namespace cphost {

namespace {

/* One control of a dialog as the naming rules see it. */
struct Control {
    HWND window = nullptr;
    std::string cls;     // lower case
    int id = 0;
    std::string name;    // caption (buttons) or label (other controls); may be empty
    std::string group;   // caption of the group box it lies in, or empty
    bool isButton = false;
    bool isGroup = false;
};

std::string lower(std::string s)
{
    for (char &c : s)
        c = (char)tolower((unsigned char)c);
    return s;
}

bool isDialogClass(HWND window) { return className(window) == "#32770"; }

struct TopSearch {
    HWND visible = nullptr;
    HWND any = nullptr;
    std::vector<HWND> all;
};

BOOL CALLBACK collectTop(HWND window, LPARAM param)
{
    TopSearch *s = (TopSearch *)param;
    if (!isDialogClass(window))
        return TRUE;
    s->all.push_back(window);
    if (IsWindowEnabled(window)) {
        if (!s->any)
            s->any = window;
        if (!s->visible && IsWindowVisible(window))
            s->visible = window;
    }
    return TRUE;
}

std::vector<Control> controlsOf(HWND dialog)
{
    std::vector<Control> out;
    std::vector<std::pair<RECT, std::string>> groups;
    HWND previous = nullptr;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        Control c;
        c.window = child;
        c.cls = lower(className(child));
        c.id = GetDlgCtrlID(child);
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (c.cls == "dlginfo") {
            previous = child;
            continue;
        }
        if (c.cls == "button") {
            LONG type = style & BS_TYPEMASK;
            c.isGroup = type == BS_GROUPBOX;
            c.isButton = !c.isGroup;
            c.name = plainCaption(windowText(child));
            if (c.isGroup) {
                RECT r;
                GetWindowRect(child, &r);
                groups.emplace_back(r, c.name);
            }
        } else if (previous && lower(className(previous)) == "static") {
            c.name = plainCaption(windowText(previous));
        }
        out.push_back(c);
        previous = child;
    }
    for (Control &c : out) {
        if (c.isGroup)
            continue;
        RECT r;
        GetWindowRect(c.window, &r);
        POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        for (auto &g : groups)
            if (PtInRect(&g.first, centre))
                c.group = g.second;  // the innermost (last) group box wins
    }
    return out;
}

enum class Want { Button, Field, Any };

bool kindFits(const Control &c, Want want)
{
    if (c.isGroup)
        return false;
    if (want == Want::Button)
        return c.isButton;
    if (want == Want::Field)
        return !c.isButton && c.cls != "static";
    return true;
}

std::string describe(const Control &c)
{
    std::string n = c.name.empty() ? "#" + std::to_string(c.id) : c.name;
    return c.group.empty() ? n : c.group + "/" + n;
}

/* Finds the control `name` in `controls`. Answers the matches (0, 1 or more). */
std::vector<const Control *> match(const std::vector<Control> &controls, const std::string &name, Want want,
                                   bool noCase)
{
    std::vector<const Control *> found;
    std::string wanted = plainCaption(name);
    if (!wanted.empty() && wanted[0] == '#' && wanted.size() > 1) {
        char *end = nullptr;
        long id = strtol(wanted.c_str() + 1, &end, 0);
        if (end && !*end) {
            for (const Control &c : controls)
                if (c.id == id && !c.isGroup)
                    found.push_back(&c);
            return found;
        }
    }
    auto same = [&](const std::string &a, const std::string &b) { return noCase ? equalsNoCase(a, b) : a == b; };
    for (const Control &c : controls)
        if (kindFits(c, want) && !c.name.empty() && same(c.name, wanted))
            found.push_back(&c);
    if (!found.empty())
        return found;
    // GROUP/NAME: try every '/' as the separator (captions may hold '/').
    for (size_t slash = wanted.find('/'); slash != std::string::npos; slash = wanted.find('/', slash + 1)) {
        std::string group = trim(wanted.substr(0, slash)), item = trim(wanted.substr(slash + 1));
        for (const Control &c : controls)
            if (kindFits(c, want) && same(c.group, group) && same(c.name, item))
                found.push_back(&c);
        if (!found.empty())
            return found;
    }
    return found;
}

std::string candidates(const std::vector<Control> &controls, Want want)
{
    std::string out;
    for (const Control &c : controls)
        if (kindFits(c, want) && !(want == Want::Any && c.name.empty()))
            out += (out.empty() ? "" : ", ") + std::string("'") + describe(c) + "'";
    return out.empty() ? "none" : out;
}

std::string windowTitle(HWND window) { return "\"" + windowText(window) + "\""; }

/* The outcome of trying an action now. */
enum class Try { Done, Later, Failed };

}  // namespace

HWND Host::Impl::topWindow() const
{
    TopSearch s;
    EnumThreadWindows(GetCurrentThreadId(), collectTop, (LPARAM)&s);
    return s.visible ? s.visible : s.any;
}

namespace {

struct Driver {
    Host::Impl &run;
    const Action &action;
    std::string why;    // for Later and Failed
    bool started = false;

    Try later(const std::string &reason) { why = reason; return Try::Later; }
    Try failed(const std::string &reason) { why = reason; return Try::Failed; }

    /* Writes the "do" line once the action's window and control are known. */
    void begin()
    {
        if (!started)
            run.emit("do " + action.source);
        started = true;
    }

    /* Resolves `name` on the top window; Later when no window is up or the
       name is unknown there, Failed when it is ambiguous or lies under a
       modal window. */
    Try find(HWND top, const std::string &name, Want want, HWND &out, bool noCase = false)
    {
        if (!top)
            return later("no dialog or message box is open");
        std::vector<Control> controls = controlsOf(top);
        std::vector<const Control *> found = match(controls, name, want, noCase);
        if (found.size() == 1) {
            out = found[0]->window;
            return Try::Done;
        }
        if (found.size() > 1) {
            std::string list;
            for (const Control *c : found)
                list += (list.empty() ? "" : ", ") + std::string("'") + describe(*c) + "' (#" + std::to_string(c->id) + ")";
            return failed("'" + name + "' is ambiguous in " + windowTitle(top) + ": " + list);
        }
        TopSearch s;
        EnumThreadWindows(GetCurrentThreadId(), collectTop, (LPARAM)&s);
        for (HWND other : s.all)
            if (other != top && match(controlsOf(other), name, want, noCase).size() > 0)
                return failed("'" + name + "' is in " + windowTitle(other) + ", which is under the modal window " +
                              windowTitle(top));
        return later("no control '" + name + "' in " + windowTitle(top) + "; candidates: " + candidates(controls, want));
    }

    Try usable(HWND control, const std::string &name)
    {
        if (!(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE))
            return failed("'" + name + "' is hidden");
        if (!IsWindowEnabled(control))
            return failed("'" + name + "' is disabled");
        return Try::Done;
    }

    void press(HWND top, HWND button)
    {
        // A person's click: the dialog is active, the focus moves to the
        // button through the dialog manager (an edit field that had it
        // commits), then the button is clicked.
        if (GetActiveWindow() != top)
            SetActiveWindow(top);
        SendMessageA(top, WM_NEXTDLGCTL, (WPARAM)button, TRUE);
        SendMessageA(button, BM_CLICK, 0, 0);
    }

    void key(HWND top, WPARAM vk)
    {
        HWND focus = GetFocus();
        if (!focus || (focus != top && !IsChild(top, focus)))
            focus = top;
        MSG msg = {};
        msg.hwnd = focus;
        msg.message = WM_KEYDOWN;
        msg.wParam = vk;
        msg.lParam = 1;
        msg.time = GetTickCount();
        if (!IsDialogMessageA(top, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    Try typeInto(HWND top, bool thenTab)
    {
        HWND field = nullptr;
        Try t = find(top, action.name, Want::Field, field);
        if (t != Try::Done)
            return t;
        if ((t = usable(field, action.name)) != Try::Done)
            return t;
        if (lower(className(field)) == "edit" && (GetWindowLongA(field, GWL_STYLE) & ES_READONLY))
            return failed("'" + action.name + "' is read-only");
        begin();
        if (GetActiveWindow() != top)
            SetActiveWindow(top);
        SendMessageA(top, WM_NEXTDLGCTL, (WPARAM)field, TRUE);
        SendMessageA(field, EM_SETSEL, 0, -1);
        if (action.text.empty())
            SendMessageA(field, WM_CHAR, VK_BACK, 1);
        for (char c : action.text)
            SendMessageA(field, WM_CHAR, (WPARAM)(unsigned char)c, 1);
        if (thenTab && IsWindow(top))
            key(top, VK_TAB);
        return Try::Done;
    }

    Try tick(HWND top)
    {
        // The ticks go to the dialog nearest the top that has a polling
        // timer: while a message box or a sub-dialog is up, its maintenance
        // dialog keeps polling, as it does for a person.
        std::vector<HWND> chain;
        for (HWND w = top; w; w = GetWindow(w, GW_OWNER))
            chain.push_back(w);
        for (HWND w : chain) {
            std::vector<UINT_PTR> ids;
            for (auto &t : run.heldTimers)
                if (t.first == w)
                    ids.push_back(t.second);
            if (run.realTime && w == top && ids.empty() && isDialogClass(w))
                ids.push_back(1);
            if (ids.empty())
                continue;
            begin();
            for (int i = 0; i < action.count && IsWindow(w); ++i)
                for (UINT_PTR id : ids)
                    SendMessageA(w, WM_TIMER, id, 0);
            return Try::Done;
        }
        return top ? failed("no polling timer runs in " + windowTitle(top)) : later("no dialog is open");
    }

    Try expect(HWND top)
    {
        HWND control = nullptr;
        Try t = find(top, action.name, Want::Any, control);
        if (t != Try::Done)
            return t;
        begin();
        LONG style = GetWindowLongA(control, GWL_STYLE);
        bool ok = false;
        std::string seen;
        switch (action.expectation) {
        case Expectation::Text:
            seen = windowText(control);
            if (seen == action.text)
                return Try::Done;
            return failed("'" + action.name + "' shows \"" + seen + "\", not \"" + action.text + "\"");
        case Expectation::Enabled: ok = IsWindowEnabled(control); seen = ok ? "enabled" : "disabled"; break;
        case Expectation::Disabled: ok = !IsWindowEnabled(control); seen = ok ? "disabled" : "enabled"; break;
        case Expectation::Checked:
            ok = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
            seen = ok ? "checked" : "unchecked";
            break;
        case Expectation::Unchecked:
            ok = SendMessageA(control, BM_GETCHECK, 0, 0) != BST_CHECKED;
            seen = ok ? "unchecked" : "checked";
            break;
        case Expectation::Hidden: ok = !(style & WS_VISIBLE); seen = ok ? "hidden" : "visible"; break;
        case Expectation::Visible: ok = (style & WS_VISIBLE) != 0; seen = ok ? "visible" : "hidden"; break;
        }
        return ok ? Try::Done : failed("'" + action.name + "' is " + seen);
    }

    Try carryOut()
    {
        HWND top = run.topWindow();
        switch (action.verb) {
        case Verb::Click:
        case Verb::Answer: {
            // `answer BUTTON if asked` passes, writing nothing, unless a
            // message box (a window that is none of the plug-in's dialogs)
            // is on top.
            bool box = top != nullptr;
            for (const DialogFrame &f : run.frames)
                box = box && f.window != top;
            if (action.ifAsked && !box)
                return Try::Done;
            HWND button = nullptr;
            Try t = find(top, action.name, Want::Button, button, action.verb == Verb::Answer);
            if (t != Try::Done)
                return t;
            if ((t = usable(button, action.name)) != Try::Done)
                return t;
            begin();
            press(top, button);
            return Try::Done;
        }
        case Verb::Type: return typeInto(top, false);
        case Verb::Set: return typeInto(top, true);
        case Verb::Tab:
        case Verb::Enter:
        case Verb::Escape:
            if (!top)
                return later("no dialog or message box is open");
            begin();
            key(top, action.verb == Verb::Tab ? VK_TAB : action.verb == Verb::Enter ? VK_RETURN : VK_ESCAPE);
            return Try::Done;
        case Verb::Tick: return tick(top);
        case Verb::Expect: return expect(top);
        case Verb::Shot: {
            if (!top)
                return later("no dialog or message box is open");
            begin();
            std::string reason;
            if (!captureWindow(top, action.name, reason))
                return failed(reason);
            return Try::Done;
        }
        case Verb::Show:
            if (!top)
                return later("no dialog or message box is open");
            begin();
            for (HWND child = GetWindow(top, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                run.emit("show #" + std::to_string(GetDlgCtrlID(child)) + " \"" + quoteField(windowText(child)) + "\"");
            return Try::Done;
        case Verb::Wait:
            begin();
            run.waiting = true;
            run.waitUntil = GetTickCount() + (DWORD)action.count;
            return Try::Done;
        }
        return failed("unknown action");
    }
};

}  // namespace

void Host::Impl::step()
{
    if (failed) {
        // Unwind: end the innermost window; its loop returns to the plug-in,
        // and the next turn ends the one below.
        HWND top = topWindow();
        if (top)
            EndDialog(top, IDCANCEL);
        return;
    }
    DWORD now = GetTickCount();
    if (waiting) {
        if ((LONG)(now - waitUntil) < 0)
            return;
        waiting = false;
    }
    if (nextAction >= actions.size()) {
        HWND top = topWindow();
        if (!top) {
            idleSince = 0;
            return;
        }
        if (!idleSince)
            idleSince = now;
        else if (now - idleSince >= (DWORD)actionTimeout)
            fail("no action left for the open window " + windowTitle(top));
        return;
    }
    idleSince = 0;
    const Action &action = actions[nextAction];
    if (!actionSince)
        actionSince = now;
    size_t index = nextAction;
    // Advance first: the action may open a modal loop in which the next
    // actions run.
    ++nextAction;
    Driver d{*this, action, std::string()};
    Try t = d.carryOut();
    if (t == Try::Done) {
        actionSince = 0;
        return;
    }
    if (t == Try::Later && now - actionSince < (DWORD)actionTimeout) {
        nextAction = index;  // nothing was carried out: try again next turn
        return;
    }
    fail("action '" + action.source + "': " + d.why);
}

void Host::Impl::afterCommand()
{
    if (failed || nextAction >= actions.size())
        return;
    fail("action '" + actions[nextAction].source + "': the command ended before it (no window is open)");
}

// ---------------------------------------------------------------------------

bool captureWindow(HWND window, const std::string &path, std::string &why)
{
    RECT frame;
    GetWindowRect(window, &frame);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192) {
        why = "the window has no size to picture";
        return false;
    }
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!bitmap || !bits) {
        DeleteDC(dc);
        why = "no bitmap for the picture";
        return false;
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_3DFACE));
    // With a real display (Xvfb) the picture is what the screen shows: bring
    // the window to the front, let it and its children paint, and give the
    // display driver a few moments to put the pixels on the screen (only
    // paint messages are pumped, so no action or poll runs meanwhile).
    bool fromScreen = IsWindowVisible(window) && GetEnvironmentVariableA("DISPLAY", nullptr, 0) > 0;
    if (fromScreen) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        for (int i = 0; i < 6; ++i) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
                DispatchMessageA(&msg);
            Sleep(50);
        }
        HDC screenDc = GetDC(nullptr);
        BitBlt(dc, 0, 0, width, height, screenDc, frame.left, frame.top, SRCCOPY);
        ReleaseDC(nullptr, screenDc);
    } else {
        SendMessageA(window, WM_PRINT, (WPARAM)dc, PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    }
    // Without a display the window and then each child print themselves.
    std::vector<HWND> children;
    for (HWND c = GetWindow(window, GW_CHILD); c && !fromScreen; c = GetWindow(c, GW_HWNDNEXT))
        children.push_back(c);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (!(GetWindowLongA(*it, GWL_STYLE) & WS_VISIBLE))
            continue;
        RECT r;
        GetWindowRect(*it, &r);
        POINT origin;
        SetViewportOrgEx(dc, r.left - frame.left, r.top - frame.top, &origin);
        HRGN clip = CreateRectRgn(r.left - frame.left, r.top - frame.top, r.right - frame.left, r.bottom - frame.top);
        SelectClipRgn(dc, clip);
        SendMessageA(*it, WM_PRINT, (WPARAM)dc, PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        SelectClipRgn(dc, nullptr);
        DeleteObject(clip);
        SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    }
    GdiFlush();
    std::vector<uint8_t> rgb((size_t)width * (size_t)height * 3);
    const uint8_t *p = (const uint8_t *)bits;
    for (size_t i = 0; i < (size_t)width * (size_t)height; ++i) {
        rgb[i * 3] = p[i * 4 + 2];
        rgb[i * 3 + 1] = p[i * 4 + 1];
        rgb[i * 3 + 2] = p[i * 4];
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    if (!writePng(path, width, height, rgb)) {
        why = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace cphost
