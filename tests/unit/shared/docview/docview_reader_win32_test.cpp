// The document view windows for real: reader view and the browser/reader
// choice, driven through their window messages (run under Wine).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "shared/docview/document_view.h"
#include "shared/docview/reader_view_win32.h"
#include "shared/docview/text_convert_win32.h"
#include "shared/win32/handles.h"

namespace {

std::string DataFile(const std::string& name) {
    std::string path = std::string(TSR_SOURCE_DIR) + "/tests/data/docview/" + name;
    char full[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof(full), full, nullptr);
    return (n > 0 && n < sizeof(full)) ? std::string(full, n) : path;
}

std::string WindowText(HWND window) {
    int length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

const char kCannotOpen[] = "The declaration document could not be opened: ";

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A fresh folder of the test's own under the temporary folder.
std::string FreshFolder() {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof(temp), temp);
    const std::string folder = std::string(temp) + "tsrview" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void WriteFileText(const std::string& path, const std::string& text) {
    FileHandle out(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    WriteFile(out.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

class DocumentViewWindow : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 480, 360, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override {
        if (parent_) DestroyWindow(parent_);
    }
    void Watch(DocumentView& view) {
        view.BeforeNavigate = [this](const std::string& url, bool& cancel) {
            announced_.push_back(url);
            cancel = cancelNext_;
        };
        view.NavigateComplete = [this](const std::string& url) { completed_.push_back(url); };
    }
    HWND parent_ = nullptr;
    bool cancelNext_ = false;
    std::vector<std::string> announced_;
    std::vector<std::string> completed_;
};

}  // namespace

TEST_F(DocumentViewWindow, ReaderShowsAPageAndAnswersLocationAndBodyText) {
    std::unique_ptr<DocumentView> view = CreateReaderView(parent_, 42);
    ASSERT_TRUE(view);
    Watch(*view);
    EXPECT_EQ(GetDlgCtrlID(view->Window()), 42);
    EXPECT_EQ(view->LocationURL(), "");
    view->Navigate(DataFile("rules.html"));
    ASSERT_EQ(announced_.size(), 1u);
    ASSERT_EQ(completed_.size(), 1u);
    EXPECT_EQ(view->LocationURL(), completed_[0]);
    EXPECT_EQ(view->LocationURL().compare(0, 8, "file:///"), 0);
    EXPECT_NE(view->LocationURL().find("/tests/data/docview/rules.html"), std::string::npos);
    const std::string body = view->BodyText();
    EXPECT_EQ(body.compare(0, 16, "Detailed rules\r\n"), 0);
    EXPECT_NE(body.find("at least twelve characters."), std::string::npos);
    EXPECT_EQ(WindowText(view->Window()), body);  // what a UI driver reads
    view->SetFullScreen(true);
    EXPECT_TRUE(view->FullScreen());
}

TEST_F(DocumentViewWindow, CancelledNavigationLeavesThePageAsItWas) {
    std::unique_ptr<DocumentView> view = CreateReaderView(parent_, 1);
    Watch(*view);
    view->Navigate(DataFile("rules.html"));
    const std::string before = view->LocationURL();
    cancelNext_ = true;
    view->Navigate(DataFile("policy.html"));
    EXPECT_EQ(announced_.size(), 2u);
    EXPECT_EQ(completed_.size(), 1u);
    EXPECT_EQ(view->LocationURL(), before);
}

TEST_F(DocumentViewWindow, ClickingALinkAnnouncesAndOpensTheLinkedPage) {
    std::unique_ptr<DocumentView> view = CreateReaderView(parent_, 1);
    Watch(*view);
    MoveWindow(view->Window(), 0, 0, 400, 300, TRUE);
    view->Navigate(DataFile("linkfirst.html"));
    // The page starts with a link; the text column begins at the left margin.
    const LPARAM at = MAKELPARAM(52, 40);
    SendMessageA(view->Window(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(view->Window(), WM_LBUTTONUP, 0, at);
    ASSERT_EQ(announced_.size(), 2u);
    EXPECT_NE(announced_[1].find("/tests/data/docview/rules.html"), std::string::npos);
    EXPECT_EQ(announced_[1].compare(0, 8, "file:///"), 0);
    EXPECT_EQ(view->LocationURL(), announced_[1]);
    EXPECT_EQ(view->BodyText().compare(0, 14, "Detailed rules"), 0);
    // A press that starts off the link does not follow it.
    SendMessageA(view->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(390, 290));
    SendMessageA(view->Window(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(announced_.size(), 2u);
}

TEST_F(DocumentViewWindow, DocumentsItCannotShowGiveANoticeAndKeepTheirLocation) {
    std::unique_ptr<DocumentView> view = CreateReaderView(parent_, 1);
    view->Navigate(DataFile("policy.pdf"));
    EXPECT_NE(view->LocationURL().find("policy.pdf"), std::string::npos);
    EXPECT_EQ(view->BodyText(), "The document \"policy.pdf\" cannot be shown here. Open it with its program.");
    view->Navigate(DataFile("absent.html"));
    EXPECT_NE(view->LocationURL().find("absent.html"), std::string::npos);
    EXPECT_NE(view->BodyText().find("could not be opened"), std::string::npos);
    view->Navigate("http://intranet.example/policy.html");
    EXPECT_EQ(view->LocationURL(), "http://intranet.example/policy.html");
    EXPECT_NE(view->BodyText().find("cannot be shown here"), std::string::npos);
    view->Navigate(DataFile("notice.txt"));
    EXPECT_EQ(view->BodyText().compare(0, 19, "Plain text notice\r\n"), 0);
}

// Before any document is opened the view says so in words, not with an empty
// page, while the location and body stay empty: the record reads "not found"
// from the empty location.
TEST_F(DocumentViewWindow, BeforeAnyDocumentTheViewSaysNoneWasFound) {
    std::unique_ptr<DocumentView> reader = CreateReaderView(parent_, 1);
    std::unique_ptr<DocumentView> chosen = CreateDocumentView(parent_, 2);
    for (DocumentView* view : {reader.get(), chosen.get()}) {
        ASSERT_TRUE(view);
        EXPECT_EQ(WindowText(view->Window()), std::string(kCannotOpen) + "no document was found.");
        EXPECT_EQ(view->LocationURL(), "");
        EXPECT_EQ(view->BodyText(), "");
    }
}

// Every document that cannot be opened gives one line naming its path and,
// unless the file is simply missing, the reason. A device is never opened
// (a serial port would block the read for ever), also when a link names it.
TEST_F(DocumentViewWindow, ADocumentThatCannotBeOpenedIsNamedInOneLine) {
    const std::string folder = FreshFolder();
    const std::string subfolder = folder + "\\folder.html";
    CreateDirectoryA(subfolder.c_str(), nullptr);
    const std::string locked = folder + "\\locked.html";
    FileHandle holder(CreateFileA(locked.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));  // shared with no one: nobody else can read it
    ASSERT_TRUE(holder.Valid());
    const std::string missing = DataFile("absent.html");
    const struct {
        std::string path, reason;
    } cases[] = {
        {missing, ""},
        {subfolder, " (a folder)"},
        {locked, " (cannot be read)"},
        {"\\\\.\\COM1", " (a device)"},
        {folder + "\\COM1", " (a device)"},
        {folder + "\\aux.html", " (a device)"},
        {folder + "\\Nul.txt", " (a device)"},
    };
    std::unique_ptr<DocumentView> view = CreateReaderView(parent_, 1);
    Watch(*view);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        completed_.clear();
        view->Navigate(c.path);
        const std::string body = view->BodyText();
        EXPECT_EQ(body.compare(0, strlen(kCannotOpen), kCannotOpen), 0) << body;
        EXPECT_TRUE(EndsWith(body, c.reason)) << body;
        EXPECT_EQ(body.find('\n'), std::string::npos);
        ASSERT_EQ(completed_.size(), 1u);  // the location is kept, as for any page
    }
    view->Navigate(missing);
    EXPECT_EQ(view->BodyText(), kCannotOpen + missing);
    view->Navigate(subfolder);
    EXPECT_EQ(view->BodyText(), kCannotOpen + subfolder + " (a folder)");

    const std::string page = folder + "\\links.html";
    WriteFileText(page, "<html><body><p><a href=\"COM2\">The port</a> and more.</p></body></html>");
    MoveWindow(view->Window(), 0, 0, 400, 300, TRUE);
    view->Navigate(page);
    const LPARAM at = MAKELPARAM(52, 40);
    SendMessageA(view->Window(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(view->Window(), WM_LBUTTONUP, 0, at);
    EXPECT_NE(view->LocationURL().find("COM2"), std::string::npos);
    EXPECT_TRUE(EndsWith(view->BodyText(), " (a device)")) << view->BodyText();

    holder.Reset();
    DeleteFileA(locked.c_str());
    DeleteFileA(page.c_str());
    RemoveDirectoryA(subfolder.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(DocumentViewWindow, KeysAndWheelScrollWithinThePage) {
    std::unique_ptr<ReaderView> view = ReaderView::Create(parent_, 1);
    ASSERT_TRUE(view);
    MoveWindow(view->Window(), 0, 0, 400, 300, TRUE);
    view->Navigate(DataFile("long.html"));
    EXPECT_EQ(view->ScrollPosition(), 0);
    SendMessageA(view->Window(), WM_KEYDOWN, VK_NEXT, 0);
    const int onePage = view->ScrollPosition();
    EXPECT_GT(onePage, 200);
    EXPECT_LT(onePage, 300);
    SendMessageA(view->Window(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_GT(view->ScrollPosition(), onePage);
    SendMessageA(view->Window(), WM_KEYDOWN, VK_END, 0);
    const int bottom = view->ScrollPosition();
    SendMessageA(view->Window(), WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(view->ScrollPosition(), bottom);  // never past the end
    SendMessageA(view->Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_LT(view->ScrollPosition(), bottom);
    SendMessageA(view->Window(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(view->ScrollPosition(), 0);
    // A new page starts at its top.
    SendMessageA(view->Window(), WM_KEYDOWN, VK_NEXT, 0);
    view->Navigate(DataFile("long.html"));
    EXPECT_EQ(view->ScrollPosition(), 0);
}

TEST_F(DocumentViewWindow, WithoutAnHtmlEngineTheReaderTakesOverBehindTheSameWindow) {
    DWORD start = GetTickCount();
    std::unique_ptr<DocumentView> view = CreateDocumentView(parent_, 77);
    ASSERT_TRUE(view);
    Watch(*view);
    HWND outer = view->Window();
    EXPECT_EQ(GetDlgCtrlID(outer), 77);
    view->Navigate(DataFile("rules.html"));
    DWORD spent = GetTickCount() - start;
    RecordProperty("create_and_first_navigate_ms", static_cast<int>(spent));
    EXPECT_EQ(view->Window(), outer);
    char name[64] = "";
    GetClassNameA(GetWindow(outer, GW_CHILD), name, sizeof(name));
    EXPECT_STREQ(name, "TsrReaderView");  // this machine has no HTML engine for the control
    EXPECT_EQ(announced_.size(), 1u);     // announced once, whichever view announced it
    EXPECT_EQ(completed_.size(), 1u);
    EXPECT_NE(view->LocationURL().find("rules.html"), std::string::npos);
    EXPECT_EQ(WindowText(outer).compare(0, 14, "Detailed rules"), 0);
    view->Navigate(DataFile("policy.html"));
    EXPECT_EQ(announced_.size(), 2u);
    EXPECT_NE(view->BodyText().find("Computer Usage Policy"), std::string::npos);
}

TEST(TextConvert, Utf8PagesReachTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs a Western European code page";
    EXPECT_EQ(Utf8ToAnsi("Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC"), "Gr\xFC\xDF \x80");
    EXPECT_EQ(CodePointToAnsi(0x2014), "\x97");
    EXPECT_EQ(CodePointToAnsi(0x4E2D), "?");
    HtmlDocument doc = ReadHtml("\xEF\xBB\xBF<p>M\xC3\xBCnchen &ndash; &#x1F600;</p>", AnsiReadOptions());
    EXPECT_EQ(DocumentBodyText(doc), "M\xFCnchen \x96 ?");
}

TEST_F(DocumentViewWindow, ResizingKeepsTheReadersPlaceAndTheTextAnswersAnyBuffer) {
    std::unique_ptr<ReaderView> view = ReaderView::Create(parent_, 1);
    MoveWindow(view->Window(), 0, 0, 400, 300, TRUE);
    view->Navigate(DataFile("long.html"));
    for (int i = 0; i < 10; ++i) SendMessageA(view->Window(), WM_KEYDOWN, VK_NEXT, 0);
    const int narrowPlace = view->ScrollPosition();
    ASSERT_GT(narrowPlace, 0);
    MoveWindow(view->Window(), 0, 0, 800, 300, TRUE);  // wider: fewer lines, the place moves up with them
    EXPECT_GT(view->ScrollPosition(), 0);
    EXPECT_LT(view->ScrollPosition(), narrowPlace);

    char small[8];
    LRESULT copied = SendMessageA(view->Window(), WM_GETTEXT, sizeof(small), reinterpret_cast<LPARAM>(small));
    EXPECT_EQ(copied, 7);
    EXPECT_STREQ(small, "Long po");
    EXPECT_EQ(SendMessageA(view->Window(), WM_GETTEXT, 0, reinterpret_cast<LPARAM>(small)), 0);
}

TEST_F(DocumentViewWindow, ACancelledFirstNavigationShowsNothingAndKeepsTheSettings) {
    std::unique_ptr<DocumentView> view = CreateDocumentView(parent_, 5);
    ASSERT_TRUE(view);
    Watch(*view);
    view->SetFullScreen(true);
    cancelNext_ = true;
    view->Navigate(DataFile("rules.html"));
    EXPECT_EQ(announced_.size(), 1u);
    EXPECT_TRUE(completed_.empty());
    EXPECT_EQ(view->BodyText(), "");
    EXPECT_TRUE(view->FullScreen());
    cancelNext_ = false;
    view->Navigate(DataFile("rules.html"));
    EXPECT_EQ(announced_.size(), 2u);
    EXPECT_EQ(completed_.size(), 1u);
    EXPECT_EQ(view->BodyText().compare(0, 14, "Detailed rules"), 0);
}

// A long page shows its start at once and is laid out to its end on a timer;
// the keys, the body text and resizing answer for the whole page meanwhile.
TEST_F(DocumentViewWindow, ALongPageIsWholeForEveryQuestionWhileItIsStillLaidOut) {
    char folder[MAX_PATH] = "";
    char path[MAX_PATH] = "";
    ASSERT_NE(GetTempPathA(sizeof(folder), folder), 0u);
    ASSERT_NE(GetTempFileNameA(folder, "tsr", 0, path), 0u);
    const std::string file = std::string(path) + ".html";
    MoveFileA(path, file.c_str());
    std::string page = "<html><body><h1>Long</h1>";
    const int paragraphs = 20000;
    for (int i = 0; i < paragraphs; ++i) page += "<p>Paragraph <b>" + std::to_string(i) + "</b> of the page.</p>\n";
    page += "</body></html>";
    HANDLE out = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(out, page.data(), static_cast<DWORD>(page.size()), &written, nullptr);
    CloseHandle(out);

    std::unique_ptr<ReaderView> view = ReaderView::Create(parent_, 1);
    MoveWindow(view->Window(), 0, 0, 400, 300, TRUE);
    view->Navigate(file);
    // The last block is at the bottom, far below what was laid out at first.
    SendMessageA(view->Window(), WM_KEYDOWN, VK_END, 0);
    const int bottom = view->ScrollPosition();
    EXPECT_GT(bottom, paragraphs * 16);
    SendMessageA(view->Window(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(view->ScrollPosition(), 0);

    // Again, with the rest laid out by the timer while messages are handled.
    view->Navigate(file);
    const std::string body = view->BodyText();
    EXPECT_EQ(body.compare(0, 6, "Long\r\n"), 0);
    EXPECT_EQ(body.substr(body.size() - 28), "Paragraph 19999 of the page.");
    for (int i = 0; i < 10; ++i) SendMessageA(view->Window(), WM_KEYDOWN, VK_NEXT, 0);
    const int tenPages = view->ScrollPosition();
    EXPECT_GT(tenPages, 2000);
    MSG msg;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 3000) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(5);
    }
    EXPECT_EQ(view->ScrollPosition(), tenPages);  // the timer's slices never move the reader
    SendMessageA(view->Window(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(view->ScrollPosition(), bottom);
    // Narrower: the same paragraph stays at the top, further down the page.
    SendMessageA(view->Window(), WM_KEYDOWN, VK_HOME, 0);
    for (int i = 0; i < 10; ++i) SendMessageA(view->Window(), WM_KEYDOWN, VK_NEXT, 0);
    MoveWindow(view->Window(), 0, 0, 150, 300, TRUE);
    EXPECT_GT(view->ScrollPosition(), tenPages);
    view.reset();
    DeleteFileA(file.c_str());
}
