// libFuzzer target: any bytes read as a page or as plain text, then laid out,
// must neither crash nor hang, and the layout must stay inside the page.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shared/docview/doc_location.h"
#include "shared/docview/html_reader.h"
#include "shared/docview/page_layout.h"

namespace {

class ByteMeasurer : public TextMeasurer {
public:
    int TextWidth(const FontKey& font, const char* text, size_t length) override {
        int width = 0;
        for (size_t i = 0; i < length; ++i)
            width += 4 + (static_cast<unsigned char>(text[i]) & 7) + (font.bold ? 1 : 0);
        return width;
    }
    FontMetrics Metrics(const FontKey& font) override {
        FontMetrics m;
        m.height = 14 + static_cast<int>(font.role) * 2;
        m.ascent = m.height * 3 / 4;
        return m;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    HtmlDocument page = ReadHtml(bytes);
    HtmlDocument text = ReadPlainText(bytes);
    DocumentBodyText(page);
    ByteMeasurer measurer;
    const int width = size > 0 ? 1 + data[0] * 4 : 300;
    PageLayout layout = LayOutDocument(page, width, measurer);
    int previousTop = -1;
    for (const LayoutLine& line : layout.lines) {
        if (line.top < previousTop || line.height <= 0 || line.top + line.height > layout.height) std::abort();
        previousTop = line.top;
    }
    LayOutDocument(text, width, measurer);
    for (const std::string& href : layout.links) {
        ResolveLink("C:\\Docs\\index.html", href);
        ResolveLink("http://host/a/b.html", href);
        FileUrlToPath(ResolveLink("file:///C:/x/y.html", href));
    }
    return 0;
}
