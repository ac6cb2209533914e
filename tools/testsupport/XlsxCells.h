// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An .xlsx workbook read back as a spreadsheet would see it: each sheet's
// name and cells, numbers told from texts, with the number format each cell
// is shown in. Unzipped with minizip and parsed with Qt's XML reader; for
// the tests of the workbooks the program writes (libxlsxwriter's layout:
// xl/worksheets/sheet1.xml onwards in the order of the sheets, shared strings).

#include <QString>
#include <QXmlStreamReader>

#include <minizip/unzip.h>

#include <map>
#include <string>
#include <vector>

namespace xlsx_test {

struct XlsxCell {
    bool IsNumber = false;
    std::string Text;   // a text, or a number's text as the file holds it
    std::string Format; // the number format ("0.0000"), empty for the general one
    double Number() const { return std::stod(Text); }
};

struct XlsxSheet {
    std::string Name;
    std::vector<std::vector<XlsxCell>> Rows; // row by row from A1, empty cells left empty
};

// The files of the zip archive by name; empty when it is no archive.
inline std::map<std::string, std::string> ZipParts(const std::string& path)
{
    std::map<std::string, std::string> parts;
    unzFile zip = unzOpen(path.c_str());
    if (zip == nullptr)
        return parts;
    for (int more = unzGoToFirstFile(zip); more == UNZ_OK; more = unzGoToNextFile(zip)) {
        char name[512];
        unz_file_info info;
        if (unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK
            || unzOpenCurrentFile(zip) != UNZ_OK)
            break;
        std::string bytes(info.uncompressed_size, '\0');
        const int read = unzReadCurrentFile(zip, bytes.data(), static_cast<unsigned>(bytes.size()));
        unzCloseCurrentFile(zip);
        if (read >= 0)
            parts[name] = bytes.substr(0, static_cast<size_t>(read));
    }
    unzClose(zip);
    return parts;
}

// Every element's text (or an attribute) in document order, by element name.
inline std::vector<std::string> Elements(const std::string& xml, const QString& element, const QString& attribute = {})
{
    std::vector<std::string> found;
    QXmlStreamReader reader(QByteArray::fromStdString(xml));
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == element)
            found.push_back((attribute.isEmpty() ? reader.readElementText(QXmlStreamReader::IncludeChildElements)
                                                 : reader.attributes().value(attribute).toString())
                                .toStdString());
    }
    return found;
}

// Column and row of a reference: "B3" is column 1, row 2.
inline std::pair<size_t, size_t> CellPlace(const QString& reference)
{
    size_t column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i)
        column = column * 26 + static_cast<size_t>(reference[i].unicode() - 'A' + 1);
    return {column - 1, reference.mid(i).toULongLong() - 1};
}

// The number format of every style index (cellXfs), by its format code.
inline std::vector<std::string> StyleFormats(const std::string& styles)
{
    std::map<std::string, std::string> codes; // numFmtId -> formatCode
    QXmlStreamReader reader(QByteArray::fromStdString(styles));
    std::vector<std::string> formats;
    bool inCellStyles = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QStringLiteral("numFmt"))
            codes[reader.attributes().value("numFmtId").toString().toStdString()]
                = reader.attributes().value("formatCode").toString().toStdString();
        if (reader.name() == QStringLiteral("cellXfs"))
            inCellStyles = reader.isStartElement();
        if (inCellStyles && reader.isStartElement() && reader.name() == QStringLiteral("xf"))
            formats.push_back(codes[reader.attributes().value("numFmtId").toString().toStdString()]);
    }
    return formats;
}

inline std::vector<XlsxSheet> ReadXlsx(const std::string& path)
{
    const std::map<std::string, std::string> parts = ZipParts(path);
    std::vector<XlsxSheet> sheets;
    if (!parts.contains("xl/workbook.xml"))
        return sheets;
    const std::vector<std::string> strings
        = parts.contains("xl/sharedStrings.xml") ? Elements(parts.at("xl/sharedStrings.xml"), "si") : std::vector<std::string>{};
    const std::vector<std::string> formats = StyleFormats(parts.count("xl/styles.xml") ? parts.at("xl/styles.xml") : "");
    const std::vector<std::string> names = Elements(parts.at("xl/workbook.xml"), "sheet", "name");
    for (size_t s = 0; s < names.size(); ++s) {
        XlsxSheet sheet{names[s], {}};
        const std::string part = "xl/worksheets/sheet" + std::to_string(s + 1) + ".xml";
        QXmlStreamReader reader(QByteArray::fromStdString(parts.count(part) ? parts.at(part) : ""));
        while (!reader.atEnd()) {
            reader.readNext();
            if (!reader.isStartElement() || reader.name() != QStringLiteral("c"))
                continue;
            const auto [column, row] = CellPlace(reader.attributes().value("r").toString());
            const bool shared = reader.attributes().value("t") == QStringLiteral("s");
            const bool text = shared || reader.attributes().value("t") == QStringLiteral("str")
                || reader.attributes().value("t") == QStringLiteral("inlineStr");
            const size_t style = reader.attributes().value("s").toULongLong();
            const std::string value = reader.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
            if (sheet.Rows.size() <= row)
                sheet.Rows.resize(row + 1);
            if (sheet.Rows[row].size() <= column)
                sheet.Rows[row].resize(column + 1);
            XlsxCell& cell = sheet.Rows[row][column];
            cell.IsNumber = !text;
            cell.Text = shared ? strings.at(std::stoul(value)) : value;
            cell.Format = style < formats.size() ? formats[style] : std::string();
        }
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}

} // namespace xlsx_test
