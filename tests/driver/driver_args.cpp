#include "driver_args.h"

#include <cerrno>
#include <cstdlib>
#include <set>

namespace {

struct CommandForm {
    const char* name;
    size_t argumentCount;
    std::set<std::string> valueOptions;
    std::set<std::string> flagOptions;
};

const std::set<std::string> kWindow = {"pid", "exe", "title", "class", "hwnd", "timeout"};

std::set<std::string> With(std::set<std::string> base, std::set<std::string> more) {
    base.insert(more.begin(), more.end());
    return base;
}

const std::vector<CommandForm>& Forms() {
    static const std::vector<CommandForm> specs = {
        {"wait-window", 0, kWindow, {"hidden"}},
        {"list", 0, kWindow, {"hidden"}},
        {"click", 0, With(kWindow, {"text", "id", "at"}), {"post", "force", "right", "hidden"}},
        {"menu", 1, kWindow, {"hidden"}},
        {"type", 1, With(kWindow, {"text", "id"}), {"clear", "input", "hidden"}},
        {"key", 1, With(kWindow, {"text", "id"}), {"post", "hidden"}},
        {"get-text", 0, With(kWindow, {"text", "id"}), {"hidden"}},
        {"get-check", 0, With(kWindow, {"text", "id"}), {"hidden"}},
        {"items", 0, With(kWindow, {"text", "id"}), {"hidden"}},
        {"close", 0, kWindow, {"hidden"}},
        {"end-session", 0, kWindow, {"hidden"}},
        {"move-mouse", 2, {}, {}},
        {"wait-exit", 0, {"pid", "exe", "timeout"}, {}},
        {"kill", 0, {"pid", "exe", "code"}, {}},
        {"windows", 0, {}, {"hidden"}},
        {"sleep", 1, {}, {}},
        {"access-flags", 0, {"set"}, {}},
    };
    return specs;
}

const CommandForm* FindForm(const std::string& name) {
    for (const CommandForm& form : Forms())
        if (name == form.name) return &form;
    return nullptr;
}

}  // namespace

std::string DriverCommand::Get(const std::string& option, const std::string& fallback) const {
    auto found = options.find(option);
    return found == options.end() ? fallback : found->second;
}

bool ParseNumber(const std::string& text, long long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(text.c_str(), &end, 0);
    if (errno != 0 || end == text.c_str() || *end != '\0') return false;
    value = parsed;
    return true;
}

bool ParsePoint(const std::string& text, long long& x, long long& y) {
    const size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    long long a = 0, b = 0;
    if (!ParseNumber(text.substr(0, comma), a) || !ParseNumber(text.substr(comma + 1), b)) return false;
    x = a;
    y = b;
    return true;
}

bool HasWindowSelector(const DriverCommand& command) {
    for (const char* option : {"pid", "exe", "title", "class", "hwnd"})
        if (command.Has(option)) return true;
    return false;
}

DriverCommandLine ParseDriverCommandLine(const std::vector<std::string>& args) {
    DriverCommandLine result;
    size_t i = 0;
    while (i < args.size()) {
        const CommandForm* form = FindForm(args[i]);
        if (!form) {
            result.error = "unknown command: " + args[i];
            return result;
        }
        DriverCommand command;
        command.name = form->name;
        ++i;
        // Options may come before, between or after the plain arguments; the
        // command ends once its arguments are complete and a non-option follows.
        while (i < args.size()) {
            const std::string& word = args[i];
            if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
                std::string option = word.substr(2);
                if (form->flagOptions.count(option)) {
                    command.options[option] = "";
                    ++i;
                } else if (form->valueOptions.count(option)) {
                    if (i + 1 >= args.size()) {
                        result.error = command.name + ": --" + option + " needs a value";
                        return result;
                    }
                    command.options[option] = args[i + 1];
                    i += 2;
                } else {
                    result.error = command.name + ": unknown option " + word;
                    return result;
                }
            } else if (command.arguments.size() < form->argumentCount) {
                command.arguments.push_back(word);
                ++i;
            } else {
                break;
            }
        }
        if (command.arguments.size() != form->argumentCount) {
            result.error = command.name + ": expects " + std::to_string(form->argumentCount) + " argument(s)";
            return result;
        }
        for (const char* numeric : {"pid", "hwnd", "id", "timeout", "code"}) {
            long long value = 0;
            if (command.Has(numeric) && !ParseNumber(command.Get(numeric), value)) {
                result.error = command.name + ": --" + numeric + " is not a number: " + command.Get(numeric);
                return result;
            }
        }
        long long x = 0, y = 0;
        if (command.Has("at") && !ParsePoint(command.Get("at"), x, y)) {
            result.error = command.name + ": --at is not X,Y: " + command.Get("at");
            return result;
        }
        if (command.Has("text") && command.Has("id")) {
            result.error = command.name + ": give --text or --id, not both";
            return result;
        }
        result.commands.push_back(command);
    }
    if (result.commands.empty()) result.error = "no command given";
    return result;
}

const char* DriverUsage() {
    return "usage: uidriver COMMAND [options] [COMMAND [options] ...]\n"
           "window choice (kept for the following commands):\n"
           "  --pid N | --exe NAME | --title TEXT | --class NAME | --hwnd H   [--timeout ms] [--hidden]\n"
           "control choice: --text TEXT | --id N\n"
           "commands:\n"
           "  wait-window            print the window handle once the window is visible\n"
           "  list                   the window, then every child: hwnd class id visible enabled rect flags \"text\"\n"
           "  click [--post] [--force] [--right] [--at X,Y]   BM_CLICK a button, else a mouse click at the\n"
           "                         control's centre (or X,Y pixels from its top left corner)\n"
           "  menu \"Item>Subitem\"   choose from the pop-up menu on screen (of the chosen window's program)\n"
           "  type TEXT [--clear] [--input]  focus the control and type TEXT\n"
           "  key KEY [--post]       press a key such as F2, ESCAPE, TAB, CTRL+A, ALT+F4\n"
           "  get-text | get-check   print a control's (or the window's) text, or its check state\n"
           "  items                  the items of a tab control or toolbar: index left,top,right,bottom (as\n"
           "                         click --at counts) selected(0/1: current tab, checked button) \"caption\"\n"
           "  close                  send WM_CLOSE to the window\n"
           "  end-session            the system's log-off: WM_QUERYENDSESSION, then WM_ENDSESSION with its\n"
           "                         answer; prints the answer (1 agreed, 0 refused)\n"
           "  move-mouse X Y         put the cursor at screen coordinates X,Y\n"
           "  wait-exit --pid N | --exe NAME [--timeout ms]   print the exit code\n"
           "  kill --pid N | --exe NAME [--code N]\n"
           "  windows [--hidden]     every top-level window: hwnd pid exe class \"title\"\n"
           "  sleep MS\n"
           "  access-flags [--set S,F,T]   print the session's Sticky, Filter and Toggle Keys flags (after\n"
           "                         setting them); fails when the system refuses the change\n"
           "exit codes: 0 ok, 1 not found / timeout / refused, 2 usage\n";
}
