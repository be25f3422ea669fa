// Entry of the declaration program: decide at once whether the declaration
// is due; when it is not, end before anything else is loaded.
#include <windows.h>

#include "runner/window/declaration_window_win32.h"
#include "runner/answer/answer_database.h"
#include "runner/answer/answer_database_win32.h"
#include "runner/answer/pending_records.h"
#include "runner/answer/response_recorder.h"
#include "runner/document/document_selection.h"
#include "runner/document/user_language_win32.h"
#include "runner/lockdown/system_keys_win32.h"
#include "runner/lockdown/task_manager_policy.h"
#include "runner/start/run_control.h"
#include "runner/start/screen_saver.h"
#include "shared/calendar_win32.h"
#include "shared/file_routines.h"
#include "shared/identity.h"
#include "shared/registry_win32.h"
#include "shared/sha256.h"

namespace {

int RunMessageLoop(DeclarationWindow& window) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        window.OnInput(message);
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int Main(HINSTANCE instance, const char* commandLine) {
    Win32Calendar calendar;
    Win32Registry registry;
    // A run that was ended without its clean-up (killed, or the session
    // ended under it) could not lift the Task Manager policy it set.
    RemoveLeftPolicy(registry);
    // Nor give back the user's accessibility shortcuts.
    RestoreLeftShortcuts();
    RunControl run(commandLine ? commandLine : "", AppFolder(), calendar, GetLogonUserName);
    run.LoadSettings();
    // Records that could not reach the record folder at an earlier answer
    // go there first; without any waiting this is one folder lookup.
    const std::string pending = PendingRecordFolder(LocalAppDataFolder());
    if (FolderExists(pending)) DeliverPendingRecords(pending, RecordFolder(run.Settings, run.AppFolder()));
    // Answers the database did not take go before anything else that needs
    // it; without a pending file this is one file lookup, no odbc32.dll.
    SendPendingAnswers(RecordDatabase(run.Settings));
    run.SetDocumentFingerprint([&run] {
        DocumentSelectionHooks hooks;
        hooks.FileExists = FileExists;
        hooks.UserLanguage = UserInterfaceLanguage;
        return FileSha256Hex(TodaysDocumentPath(run.Settings, run.Clock(), run.AppFolder(), hooks));
    });
    auto window = run.IsDeclarationDue() ? CreateDeclarationWindow(instance, run) : nullptr;
    RegisterScreenSaver(registry, run, AppExePath());
    return window ? RunMessageLoop(*window) : 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) { return Main(instance, commandLine); }
