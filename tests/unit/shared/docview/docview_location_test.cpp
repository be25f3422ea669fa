// Locations of the document view: file URLs, link resolution, document types.
#include <gtest/gtest.h>

#include "shared/docview/doc_location.h"

TEST(DocLocation, PathsBecomeFileUrlsAndBack) {
    EXPECT_EQ(PathToFileUrl("C:\\Program Files\\Tessarin\\Documents\\index.html"),
              "file:///C:/Program%20Files/Tessarin/Documents/index.html");
    EXPECT_EQ(PathToFileUrl("\\\\server\\share\\doc.htm"), "file://server/share/doc.htm");
    EXPECT_EQ(PathToFileUrl("http://intranet/policy.html"), "http://intranet/policy.html");
    EXPECT_EQ(PathToFileUrl(""), "");
    EXPECT_EQ(FileUrlToPath("file:///C:/Program%20Files/Tessarin/a%23b.html"), "C:\\Program Files\\Tessarin\\a#b.html");
    EXPECT_EQ(FileUrlToPath("file:///C|/x/y.html#part"), "C:\\x\\y.html");
    EXPECT_EQ(FileUrlToPath("file://server/share/doc.htm"), "\\\\server\\share\\doc.htm");
    EXPECT_EQ(FileUrlToPath("file:///home/user/a.html"), "/home/user/a.html");
    EXPECT_EQ(FileUrlToPath("D:\\docs\\a.html"), "D:\\docs\\a.html");
    EXPECT_EQ(FileUrlToPath("https://example.org/a.html"), "");
    EXPECT_EQ(FileUrlToPath("file:///C:/100%.html"), "C:\\100%.html");  // a bare % stays itself
}

TEST(DocLocation, SchemesAreTellableFromDriveLetters) {
    EXPECT_FALSE(HasUrlScheme("C:\\x.html"));
    EXPECT_TRUE(HasUrlScheme("file:///C:/x.html"));
    EXPECT_TRUE(HasUrlScheme("mailto:help@example.org"));
    EXPECT_FALSE(HasUrlScheme("relative/page.html"));
    EXPECT_TRUE(IsWebUrl("HTTPS://example.org"));
    EXPECT_FALSE(IsWebUrl("file:///C:/http.html"));
}

TEST(DocLocation, LinksResolveAgainstTheDocumentFolder) {
    const std::string page = "C:\\Tessarin\\Documents\\index.html";
    EXPECT_EQ(ResolveLink(page, "rules.html"), "file:///C:/Tessarin/Documents/rules.html");
    EXPECT_EQ(ResolveLink(page, "sub/more rules.htm#s2"), "file:///C:/Tessarin/Documents/sub/more%20rules.htm");
    EXPECT_EQ(ResolveLink(page, "../Help/../Help/./guide.pdf"), "file:///C:/Tessarin/Help/guide.pdf");
    EXPECT_EQ(ResolveLink(page, "../../../../../x.html"), "file:///C:/x.html");  // never climbs past the drive
    EXPECT_EQ(ResolveLink(page, "/top.html"), "file:///C:/top.html");
    EXPECT_EQ(ResolveLink(page, "sub\\back.html"), "file:///C:/Tessarin/Documents/sub/back.html");
    EXPECT_EQ(ResolveLink(page, "  E:\\Other\\doc.docx "), "file:///E:/Other/doc.docx");
    EXPECT_EQ(ResolveLink(page, "https://example.org/a?b=1"), "https://example.org/a?b=1");
    EXPECT_EQ(ResolveLink(page, "#section"), "");
    EXPECT_EQ(ResolveLink(page, ""), "");
    EXPECT_EQ(ResolveLink("file:///C:/Docs/a.html", "b.html"), "file:///C:/Docs/b.html");
    EXPECT_EQ(ResolveLink("\\\\srv\\share\\docs\\a.html", "b.html"), "file://srv/share/docs/b.html");
}

TEST(DocLocation, WebLinksKeepQueryAndResolveLikeBrowsers) {
    const std::string page = "http://intranet.local/policy/current/index.html?v=2";
    EXPECT_EQ(ResolveLink(page, "annex.html?x=1#a"), "http://intranet.local/policy/current/annex.html?x=1#a");
    EXPECT_EQ(ResolveLink(page, "../old/index.html"), "http://intranet.local/policy/old/index.html");
    EXPECT_EQ(ResolveLink(page, "/root.html"), "http://intranet.local/root.html");
    EXPECT_EQ(ResolveLink(page, "//cdn.example.org/x.pdf"), "http://cdn.example.org/x.pdf");
    EXPECT_EQ(ResolveLink("http://intranet.local", "a.html"), "http://intranet.local/a.html");
}

TEST(DocLocation, TypesFollowTheExtensionOfThePathPart) {
    EXPECT_EQ(DocumentTypeOf("C:\\Docs\\Policy.HTML"), DocumentType::Html);
    EXPECT_EQ(DocumentTypeOf("file:///C:/Docs/a.htm#x"), DocumentType::Html);
    EXPECT_EQ(DocumentTypeOf("C:\\Docs\\readme.txt"), DocumentType::Text);
    EXPECT_EQ(DocumentTypeOf("C:\\Docs\\policy.pdf"), DocumentType::Other);
    EXPECT_EQ(DocumentTypeOf("C:\\Docs.v2\\noextension"), DocumentType::Other);
    EXPECT_EQ(DocumentTypeOf("C:\\Docs\\index.html~"), DocumentType::Html);  // a working copy
    EXPECT_EQ(ExtensionOf("http://x/a.docx?download=1"), ".docx");
    EXPECT_EQ(ExtensionOf("C:\\a.b\\c"), "");
}
