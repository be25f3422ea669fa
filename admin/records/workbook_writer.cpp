#include "admin/records/workbook_writer.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "admin/records/log_files.h"
#include "admin/records/zip_writer.h"
#include "shared/text_routines.h"

namespace {

constexpr char kXmlHead[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
constexpr char kMainNs[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr char kRelNs[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr char kPackageRelNs[] = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr std::size_t kMaxSheetNameUnits = 31;
constexpr std::size_t kMaxSheetRows = 1048576;  // a sheet's last row

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// "_xHHHH_" starts at this position.
bool EscapeFormAt(const std::string& text, std::size_t at) {
    if (at + 7 > text.size() || text[at] != '_' || text[at + 1] != 'x' || text[at + 6] != '_') return false;
    for (std::size_t i = at + 2; i < at + 6; ++i)
        if (!IsHex(text[i])) return false;
    return true;
}

std::string EscapeForm(unsigned long cp) {
    char form[16];
    std::snprintf(form, sizeof form, "_x%04lX_", cp);
    return form;
}

std::string ContentTypes() {
    return std::string(kXmlHead) +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Override PartName=\"/xl/workbook.xml\" "
           "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
           "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
           "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
           "<Override PartName=\"/xl/styles.xml\" "
           "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
           "</Types>";
}

std::string PackageRels() {
    return std::string(kXmlHead) + "<Relationships xmlns=\"" + kPackageRelNs + "\"><Relationship Id=\"rId1\" Type=\"" +
           kRelNs + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
}

std::string WorkbookPart(const std::string& sheetName) {
    return std::string(kXmlHead) + "<workbook xmlns=\"" + kMainNs + "\" xmlns:r=\"" + kRelNs +
           "\"><sheets><sheet name=\"" + XmlText(sheetName) + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
}

std::string WorkbookRels() {
    return std::string(kXmlHead) + "<Relationships xmlns=\"" + kPackageRelNs + "\"><Relationship Id=\"rId1\" Type=\"" +
           kRelNs + "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" + kRelNs +
           "/styles\" Target=\"styles.xml\"/></Relationships>";
}

// Style 0 plain, style 1 bold (the header row).
std::string StylesPart() {
    return std::string(kXmlHead) + "<styleSheet xmlns=\"" + kMainNs +
           "\"><fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font>"
           "<font><b/><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
           "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
           "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
           "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
           "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
           "<cellXfs count=\"2\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
           "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyFont=\"1\"/></cellXfs>"
           "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
           "</styleSheet>";
}

void AppendRow(std::string* sheet, std::size_t number, const std::vector<std::string>& cells, bool header,
               AnsiToUtf8 convert) {
    const std::string row = std::to_string(number);
    *sheet += "<row r=\"" + row + "\">";
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (cells[c].empty()) continue;
        *sheet += "<c r=\"" + ColumnName(static_cast<long>(c)) + row + "\" t=\"inlineStr\"";
        if (header) *sheet += " s=\"1\"";
        *sheet += "><is><t xml:space=\"preserve\">" + XmlText(convert(cells[c])) + "</t></is></c>";
    }
    *sheet += "</row>";
}

std::string SheetPart(const LogTable& table, AnsiToUtf8 convert) {
    std::string sheet = std::string(kXmlHead) + "<worksheet xmlns=\"" + kMainNs + "\"><cols>";
    for (std::size_t c = 0; c < sizeof kWorkbookColumnWidths / sizeof kWorkbookColumnWidths[0]; ++c) {
        const std::string n = std::to_string(c + 1);
        char width[32];
        std::snprintf(width, sizeof width, "%g", kWorkbookColumnWidths[c]);
        sheet += "<col min=\"" + n + "\" max=\"" + n + "\" width=\"" + width + "\" customWidth=\"1\"/>";
    }
    sheet += "</cols><sheetData>";
    AppendRow(&sheet, 1, table.Header, true, convert);
    for (std::size_t r = 0; r < table.Rows.size() && r + 2 <= kMaxSheetRows; ++r)
        AppendRow(&sheet, r + 2, table.Rows[r], false, convert);
    sheet += "</sheetData></worksheet>";
    return sheet;
}

void AppendCsvRecord(std::string* csv, const std::vector<std::string>& cells, AnsiToUtf8 convert) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) *csv += ',';
        const std::string field = convert(cells[c]);
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            *csv += field;
            continue;
        }
        *csv += '"';
        for (const char ch : field) {
            if (ch == '"') *csv += '"';
            *csv += ch;
        }
        *csv += '"';
    }
    *csv += "\r\n";
}

}  // namespace

std::string XmlText(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size() + 16);
    for (std::size_t at = 0; at < utf8.size();) {
        if (EscapeFormAt(utf8, at)) {
            out += "_x005F_";
            ++at;
            continue;
        }
        const std::size_t start = at;
        const unsigned long cp = NextCodePoint(utf8, &at);
        switch (cp) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\t':
        case '\n':
        case '\r': out += static_cast<char>(cp); break;
        default:
            if (cp < 0x20 || cp == 0xFFFE || cp == 0xFFFF) out += EscapeForm(cp);
            else if (cp == 0xFFFD) AppendUtf8(cp, &out);  // also what a malformed byte reads as
            else out.append(utf8, start, at - start);
        }
    }
    return out;
}

std::string SheetName(const std::string& titleUtf8) {
    std::vector<unsigned long> chars;
    for (std::size_t at = 0; at < titleUtf8.size();) {
        const unsigned long cp = NextCodePoint(titleUtf8, &at);
        const bool refused = cp < 0x20 || (cp < 0x80 && std::strchr(":\\/?*[]", static_cast<int>(cp)));
        chars.push_back(refused ? '_' : cp);
    }
    // Keep the last 31 UTF-16 units.
    std::size_t units = 0, first = chars.size();
    while (first > 0) {
        const std::size_t width = chars[first - 1] > 0xFFFF ? 2 : 1;
        if (units + width > kMaxSheetNameUnits) break;
        units += width;
        --first;
    }
    std::string name;
    for (std::size_t i = first; i < chars.size(); ++i) AppendUtf8(chars[i], &name);
    if (!name.empty() && name.front() == '\'') name.front() = '_';
    if (!name.empty() && name.back() == '\'') name.back() = '_';
    if (Trim(name).empty()) return "Sheet1";
    if (EqualsNoCase(name, "History")) return "History_";
    return name;
}

std::string ColumnName(long index) {
    std::string name;
    for (long n = index + 1; n > 0; n = (n - 1) / 26) name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

std::string WorkbookBytes(const LogTable& table, const std::string& titleAnsi, AnsiToUtf8 convert) {
    ZipWriter zip;
    const bool ok = zip.Add("[Content_Types].xml", ContentTypes()) && zip.Add("_rels/.rels", PackageRels()) &&
                    zip.Add("xl/workbook.xml", WorkbookPart(SheetName(convert(titleAnsi)))) &&
                    zip.Add("xl/_rels/workbook.xml.rels", WorkbookRels()) && zip.Add("xl/styles.xml", StylesPart()) &&
                    zip.Add("xl/worksheets/sheet1.xml", SheetPart(table, convert));
    return ok ? zip.Finish() : std::string();
}

std::string CsvBytes(const LogTable& table, AnsiToUtf8 convert) {
    std::string csv = "\xEF\xBB\xBF";
    AppendCsvRecord(&csv, table.Header, convert);
    for (const auto& row : table.Rows) AppendCsvRecord(&csv, row, convert);
    return csv;
}

OutputStatus ExportTable(const LogTable& table, const std::string& titleAnsi, const std::string& workbookPath,
                         const std::string& csvPath, AnsiToUtf8 convert, const std::string& doneText) {
    const std::string workbook = WorkbookBytes(table, titleAnsi, convert);
    if (workbook.empty()) return WriteFailure("The workbook", workbookPath, "too large for one workbook file");
    OutputStatus written = WriteWhole("The workbook", workbookPath, workbook, "");
    if (!written.Written) return written;
    written = WriteWhole("The CSV file", csvPath, CsvBytes(table, convert), "");
    if (!written.Written) return written;
    return OutputStatus{true, doneText + " " + workbookPath + " and " + csvPath};
}

OutputStatus ExportWorkbook(const LogTable& table, const std::string& titleAnsi, const std::string& outputFolder,
                            AnsiToUtf8 convert) {
    return ExportTable(table, titleAnsi, outputFolder + kWorkbookFileName, outputFolder + kCsvFileName, convert,
                       "Logs have been exported to");
}
