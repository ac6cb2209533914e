// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportDocument.h"

#include "ReportText.h"
#include "common/language/Language.h"
#include "common/sheets/XlsxWorkbook.h"
#include "report/ReportTables.h"
#include "resources/EmbeddedPictures.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextObjectInterface>
#include <QTextTable>

namespace report {

namespace {

// The texts of this file, translated in the context "ReportDocument".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportDocument)
};

// The document's own unit: a pixel of 96 dpi. An A4 page is 794 x 1123 of
// them; the margins are 20 mm (76 px) all round.
constexpr qreal DocumentDpi = 96.0;
constexpr QSizeF PageSize(793.7, 1122.5);
constexpr qreal Margin = 75.6;
constexpr qreal TextWidth = PageSize.width() - 2 * Margin;
// A picture across the text, in the sweep's own proportions.
constexpr QSizeF PictureSize(TextWidth, TextWidth * 0.7);
constexpr int PictureObject = QTextFormat::UserObject + 1;
constexpr int PictureProperty = QTextFormat::UserProperty + 1;
// A schematic across this share of the text's width.
constexpr qreal SchematicShare = 0.6;
// Images drawn at twice the document's resolution.
constexpr qreal ImageScale = 2.0;

// Draws the pictures where the document holds them: with the painter of
// whatever the document is painted on, so a PDF gets vector graphics.
class PictureObjects : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    PictureObjects(const std::vector<ReportPicture>& pictures, QObject* parent) : QObject(parent), pictures_(pictures) {}

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override { return PictureSize; }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override
    {
        const auto index = static_cast<size_t>(format.intProperty(PictureProperty));
        // The layout offers every object to every page: only this page's are drawn.
        if (index >= pictures_.size() || (painter->hasClipping() && !painter->clipBoundingRect().intersects(rect)))
            return;
        painter->save();
        pictures_[index].Paint(*painter, rect);
        painter->restore();
    }

private:
    std::vector<ReportPicture> pictures_;
};

// A table as the document shows it: fewer, wider columns than the
// workbook's sheet, the interval in one cell.
struct DocumentTable {
    std::vector<QString> Headings;
    std::vector<qreal> Widths; // percent of the text's width
    std::vector<std::vector<QString>> Rows;
};

class Writer {
public:
    Writer(QTextDocument& document, const std::vector<ReportPicture>& pictures, PictureForm form)
        : document_(document), cursor_(&document), pictures_(pictures), form_(form)
    {
        if (form_ == PictureForm::Vector)
            document_.documentLayout()->registerHandler(PictureObject, new PictureObjects(pictures_, &document_));
        // One edit: the document is laid out once it is written whole.
        cursor_.beginEditBlock();
    }

    ~Writer() { cursor_.endEditBlock(); }

    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void Title(const QString& text)
    {
        QTextBlockFormat block;
        block.setAlignment(Qt::AlignHCenter);
        block.setBottomMargin(4);
        cursor_.insertBlock(block, CharFormat(16, true));
        cursor_.insertText(text);
    }

    void Subtitle(const QString& text)
    {
        QTextBlockFormat block;
        block.setAlignment(Qt::AlignHCenter);
        block.setBottomMargin(16);
        cursor_.insertBlock(block, CharFormat(13, false));
        cursor_.insertText(text);
    }

    // A section's heading; the pictures' section starts a page, so that its
    // heading never stands alone at the foot of one.
    void Heading(const QString& text, bool onNewPage = false)
    {
        QTextBlockFormat block;
        if (onNewPage)
            block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        block.setTopMargin(14);
        block.setBottomMargin(6);
        block.setHeadingLevel(2);
        cursor_.insertBlock(block, CharFormat(13, true));
        cursor_.insertText(text);
    }

    void Paragraph(const QString& text)
    {
        QTextBlockFormat block;
        block.setBottomMargin(6);
        block.setAlignment(Qt::AlignJustify);
        cursor_.insertBlock(block, CharFormat(11, false));
        cursor_.insertText(text);
    }

    // A table of label and value rows, without a heading row.
    void Pairs(const std::vector<std::pair<QString, QString>>& rows)
    {
        QTextTable* table = NewTable(static_cast<int>(rows.size()), 2, 0);
        for (size_t r = 0; r < rows.size(); ++r) {
            Cell(table, static_cast<int>(r), 0, rows[r].first, true, 11);
            Cell(table, static_cast<int>(r), 1, rows[r].second, false, 11);
        }
        cursor_.movePosition(QTextCursor::End);
    }

    // A table with its headings over columns of the widths given (percent).
    void Table(const DocumentTable& content)
    {
        QTextTable* table
            = NewTable(static_cast<int>(content.Rows.size()) + 1, static_cast<int>(content.Headings.size()), 1);
        QTextTableFormat format = table->format();
        QList<QTextLength> widths;
        for (qreal width : content.Widths)
            widths << QTextLength(QTextLength::PercentageLength, width);
        format.setColumnWidthConstraints(widths);
        table->setFormat(format);
        for (size_t c = 0; c < content.Headings.size(); ++c)
            Cell(table, 0, static_cast<int>(c), content.Headings[c], true, 8);
        for (size_t r = 0; r < content.Rows.size(); ++r)
            for (size_t c = 0; c < content.Rows[r].size() && c < content.Headings.size(); ++c)
                Cell(table, static_cast<int>(r) + 1, static_cast<int>(c), content.Rows[r][c], false, 8);
        cursor_.movePosition(QTextCursor::End);
    }

    void Schematic(int k1, int k2, int k3)
    {
        const QImage scheme = LoadPicture(SchemePicturePath(k1, k2, k3, ProgramLanguage()));
        if (scheme.isNull())
            return;
        const QString name = QStringLiteral("scheme%1%2%3.png").arg(k1).arg(k2).arg(k3);
        document_.addResource(QTextDocument::ImageResource, QUrl(name), scheme);
        QTextImageFormat image;
        image.setName(name);
        image.setWidth(TextWidth * SchematicShare);
        image.setHeight(TextWidth * SchematicShare * scheme.height() / scheme.width());
        QTextBlockFormat block;
        block.setAlignment(Qt::AlignHCenter);
        cursor_.insertBlock(block);
        cursor_.insertImage(image);
    }

    void Picture(size_t index, const QString& caption)
    {
        QTextBlockFormat block;
        block.setAlignment(Qt::AlignHCenter);
        block.setTopMargin(10);
        block.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        cursor_.insertBlock(block);
        if (form_ == PictureForm::Vector) {
            QTextCharFormat object;
            object.setObjectType(PictureObject);
            object.setProperty(PictureProperty, static_cast<int>(index));
            cursor_.insertText(QString(QChar::ObjectReplacementCharacter), object);
        } else {
            QImage image((PictureSize * ImageScale).toSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            // Laid out at the page's size, as in a PDF, and drawn finer: its
            // labels keep their size beside the text.
            painter.scale(ImageScale, ImageScale);
            pictures_[index].Paint(painter, QRectF(QPointF(0, 0), PictureSize));
            painter.end();
            const QString name = QStringLiteral("picture%1.png").arg(index + 1);
            document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
            QTextImageFormat format;
            format.setName(name);
            format.setWidth(PictureSize.width());
            format.setHeight(PictureSize.height());
            cursor_.insertImage(format);
        }
        QTextBlockFormat under;
        under.setAlignment(Qt::AlignHCenter);
        under.setBottomMargin(10);
        cursor_.insertBlock(under, CharFormat(10, false));
        cursor_.insertText(caption);
    }

private:
    static QTextCharFormat CharFormat(qreal points, bool bold)
    {
        QTextCharFormat format;
        format.setFontFamilies({QStringLiteral("Liberation Serif")});
        format.setFontPointSize(points);
        format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        return format;
    }

    QTextTable* NewTable(int rows, int columns, qreal border)
    {
        QTextTableFormat format;
        format.setBorder(border);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellPadding(2);
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(border > 0 ? 1 : 0);
        format.setTopMargin(4);
        format.setBottomMargin(8);
        cursor_.movePosition(QTextCursor::End);
        return cursor_.insertTable(rows, columns, format);
    }

    static void Cell(QTextTable* table, int row, int column, const QString& text, bool bold, qreal points)
    {
        QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
        cell.insertText(text, CharFormat(points, bold));
    }

    QTextDocument& document_;
    QTextCursor cursor_;
    const std::vector<ReportPicture>& pictures_;
    PictureForm form_;
};

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// The columns of a sheet that the document shows, in their order: each a
// Russian heading of the sheet (or two, shown as an interval "low…high"),
// the document's heading (translated) and its width.
struct ShownColumn {
    const char* Sheet;
    const char* Heading;
    qreal Width;
    // A second cell shown beside the first, after `Joint`: the interval's
    // upper end, the trials after the counter; null for one cell.
    const char* Second = nullptr;
    const char* Joint = nullptr;
};

// `russian` are the table's headings in Russian, whatever its language.
DocumentTable Shown(const sheets::Table& table, const std::vector<std::string>& russian,
    const std::vector<ShownColumn>& columns)
{
    const auto place = [&](const char* heading) {
        return static_cast<size_t>(std::find(russian.begin(), russian.end(), heading) - russian.begin());
    };
    DocumentTable shown;
    for (const ShownColumn& column : columns) {
        shown.Headings.push_back(Texts::tr(column.Heading));
        shown.Widths.push_back(column.Width);
    }
    for (const sheets::Row& row : table.Rows) {
        std::vector<QString> cells;
        for (const ShownColumn& column : columns) {
            QString cell = Text(sheets::ShownText(row.at(place(column.Sheet))));
            if (column.Second != nullptr)
                cell += QString::fromUtf8(column.Joint) + Text(sheets::ShownText(row.at(place(column.Second))));
            cells.push_back(cell);
        }
        shown.Rows.push_back(std::move(cells));
    }
    return shown;
}

// The rows' column ("строки") with its marks for the rows that did not reproduce.
void MarkRows(const std::vector<std::vector<int64_t>>& rows, const std::set<int64_t>& differing, size_t column,
    DocumentTable& shown)
{
    for (size_t r = 0; r < shown.Rows.size() && r < rows.size(); ++r)
        shown.Rows[r][column] = MarkedRows(rows[r], differing);
}

// Each table's columns fill the text's width (percent).
const std::vector<ShownColumn> CountColumns{{"точка", QT_TRANSLATE_NOOP("ReportDocument", "точка"), 6}, {"строки журнала", QT_TRANSLATE_NOOP("ReportDocument", "строки"), 7},
    {"опыт", QT_TRANSLATE_NOOP("ReportDocument", "опыт"), 13}, {"сигнал 1", QT_TRANSLATE_NOOP("ReportDocument", "сигналы"), 8, "сигнал 2", ", "}, {"K", QT_TRANSLATE_NOOP("ReportDocument", "K"), 4}, {"H, мВ", QT_TRANSLATE_NOOP("ReportDocument", "H, мВ"), 6},
    {"счётчик", QT_TRANSLATE_NOOP("ReportDocument", "счётчик / опытов"), 11, "опытов", " / "}, {"частота", QT_TRANSLATE_NOOP("ReportDocument", "частота"), 7},
    {"нижняя граница 95 %", QT_TRANSLATE_NOOP("ReportDocument", "интервал 95 %"), 14, "верхняя граница 95 %", "…"}, {"теория", QT_TRANSLATE_NOOP("ReportDocument", "теория"), 7},
    {"вердикт", QT_TRANSLATE_NOOP("ReportDocument", "вердикт"), 11}, {"пара: точка", QT_TRANSLATE_NOOP("ReportDocument", "пара"), 6}};

const std::vector<ShownColumn> CharacteristicColumns{{"характеристика", QT_TRANSLATE_NOOP("ReportDocument", "характеристика"), 13},
    {"сигнал 1", QT_TRANSLATE_NOOP("ReportDocument", "сигналы"), 7, "сигнал 2", ", "}, {"K", QT_TRANSLATE_NOOP("ReportDocument", "K"), 6}, {"H, мВ", QT_TRANSLATE_NOOP("ReportDocument", "H, мВ"), 7}, {"точки", QT_TRANSLATE_NOOP("ReportDocument", "точки"), 8},
    {"частота по вертикали", QT_TRANSLATE_NOOP("ReportDocument", "частота по вертикали"), 10}, {"теория по вертикали", QT_TRANSLATE_NOOP("ReportDocument", "теория"), 8},
    {"вердикт по вертикали", QT_TRANSLATE_NOOP("ReportDocument", "вердикт"), 10}, {"частота по горизонтали", QT_TRANSLATE_NOOP("ReportDocument", "частота по горизонтали"), 11},
    {"теория по горизонтали", QT_TRANSLATE_NOOP("ReportDocument", "теория"), 8}, {"вердикт по горизонтали", QT_TRANSLATE_NOOP("ReportDocument", "вердикт"), 10}};

const std::vector<ShownColumn> NoisePowerColumns{{"строки журнала", QT_TRANSLATE_NOOP("ReportDocument", "строки"), 15}, {"сигнал 1", QT_TRANSLATE_NOOP("ReportDocument", "сигнал 1"), 7},
    {"K", QT_TRANSLATE_NOOP("ReportDocument", "K"), 6}, {"показаний", QT_TRANSLATE_NOOP("ReportDocument", "показаний"), 8}, {"среднее, мВ²", QT_TRANSLATE_NOOP("ReportDocument", "среднее, мВ²"), 10},
    {"разброс показаний, мВ²", QT_TRANSLATE_NOOP("ReportDocument", "разброс, мВ²"), 10}, {"ожидаемое показание, мВ²", QT_TRANSLATE_NOOP("ReportDocument", "ожидаемое, мВ²"), 10},
    {"разброс по теории, мВ²", QT_TRANSLATE_NOOP("ReportDocument", "разброс по теории"), 10},
    {"нижняя граница 95 %", QT_TRANSLATE_NOOP("ReportDocument", "интервал 95 % для среднего"), 14, "верхняя граница 95 %", "…"},
    {"вердикт", QT_TRANSLATE_NOOP("ReportDocument", "вердикт"), 10}};

// A table of the document shows this many rows at most: a report stays a
// document to read (about twelve pages of a table) however long the journal,
// and the workbook keeps every row.
constexpr size_t MaxShownRows = 300;

void WriteTable(Writer& writer, DocumentTable shown)
{
    const size_t rows = shown.Rows.size();
    if (rows > MaxShownRows)
        shown.Rows.resize(MaxShownRows);
    writer.Table(shown);
    if (rows > MaxShownRows)
        writer.Paragraph(Texts::tr("Показаны первые %1 строк таблицы из %2; таблица целиком — в книге XLSX "
                                        "этого отчёта.")
                             .arg(MaxShownRows)
                             .arg(rows));
}

void WriteDocument(Writer& writer, const ReportSource& source, const std::vector<ReportPicture>& pictures)
{
    const JournalAnalysis& analysis = source.Analysis;
    writer.Title(Texts::tr("Отчёт по лабораторной работе № 4"));
    writer.Subtitle(Texts::tr("Исследование различителя сигналов"));
    writer.Pairs(TitleBlock(source));

    writer.Heading(Texts::tr("1. Цель работы"));
    writer.Paragraph(AimOfTheWork());

    writer.Heading(Texts::tr("2. Конфигурации установки"));
    const std::vector<Configuration> configurations = ConfigurationsUsed(analysis);
    if (configurations.empty())
        writer.Paragraph(Texts::tr("В журнале нет ни одного выполненного опыта."));
    for (const Configuration& configuration : configurations) {
        writer.Paragraph(configuration.Description);
        writer.Schematic(configuration.K1, configuration.K2, configuration.K3);
    }

    writer.Heading(Texts::tr("3. Результаты измерений"));
    writer.Paragraph(RowsSummary(source));
    const sheets::Table counts = CountTable(analysis, ProgramLanguage());
    if (!counts.Rows.empty()) {
        writer.Paragraph(Texts::tr("Таблица 1. Опыты со счётчиком: строки журнала с одинаковыми установками "
                                        "объединены в точку, частота — счётчик, делённый на число опытов, с её "
                                        "95-процентным интервалом (Вильсона)."));
        DocumentTable shown = Shown(counts, CountHeadings(Language::Russian), CountColumns);
        std::vector<std::vector<int64_t>> rows;
        for (const CountPoint& point : analysis.Counts)
            rows.push_back(point.Rows);
        MarkRows(rows, source.DifferingRows, 1, shown);
        WriteTable(writer, std::move(shown));
    }
    const sheets::Table pairs = CharacteristicTable(analysis, ProgramLanguage());
    if (!pairs.Rows.empty()) {
        writer.Paragraph(Texts::tr("Таблица 2. Точки рабочих характеристик: обнаружение против ложных тревог "
                                        "и решения «сигнал 1» при сигнале 1 против решений «сигнал 1» при сигнале 2, "
                                        "при одних и тех же формах сигналов, K и H."));
        WriteTable(writer, Shown(pairs, CharacteristicHeadings(Language::Russian), CharacteristicColumns));
    }
    const sheets::Table readings = NoisePowerTable(analysis, ProgramLanguage());
    if (!readings.Rows.empty()) {
        writer.Paragraph(Texts::tr("Таблица 3. Мощность шума на выходе фильтра 1: показания регистратора при "
                                        "одном K усреднены; интервал 95 % — для среднего."));
        DocumentTable shown = Shown(readings, NoisePowerHeadings(Language::Russian), NoisePowerColumns);
        std::vector<std::vector<int64_t>> rows;
        for (const NoisePowerPoint& point : analysis.NoisePower)
            rows.push_back(point.Rows);
        MarkRows(rows, source.DifferingRows, 0, shown);
        WriteTable(writer, std::move(shown));
    }
    if (const QString unpaired = UnpairedSummary(analysis); !unpaired.isEmpty())
        writer.Paragraph(unpaired);

    writer.Heading(Texts::tr("4. Графики"), !pictures.empty());
    if (pictures.empty())
        writer.Paragraph(Texts::tr("Точек для графиков нет."));
    for (size_t i = 0; i < pictures.size(); ++i)
        writer.Picture(i, Texts::tr("Рис. %1. %2").arg(i + 1).arg(pictures[i].Caption));

    writer.Heading(Texts::tr("5. Сравнение с теорией"));
    writer.Paragraph(ComparisonSummary(analysis));

    writer.Heading(Texts::tr("6. Проверка"));
    for (const QString& paragraph : VerificationText(source))
        writer.Paragraph(paragraph);

    writer.Heading(Texts::tr("7. Выводы"));
    for (const QString& paragraph : Conclusions(analysis))
        writer.Paragraph(paragraph);
}

} // namespace

std::unique_ptr<QTextDocument> ReportDocument(const ReportSource& source, const std::vector<ReportPicture>& pictures,
    PictureForm form)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(Margin);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(11);
    document->setDefaultFont(font);
    document->setMetaInformation(QTextDocument::DocumentTitle, Texts::tr("Отчёт по лабораторной работе № 4"));
    {
        Writer writer(*document, pictures, form);
        WriteDocument(writer, source, pictures);
    }
    // Laid out into pages once, whole: a page size set before would lay the
    // pages out again at every cell written.
    document->setPageSize(PageSize);
    return document;
}

void PaintReport(QTextDocument& document, QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&device);
    const qreal scale = device.logicalDpiX() / DocumentDpi;
    painter.scale(scale, scale);
    const QSizeF page = document.pageSize();
    const int pages = document.pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            device.newPage();
        painter.save();
        painter.translate(0, -p * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, p * page.height(), page.width(), page.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

QByteArray ReportPdf(const ReportSource& source, const std::vector<ReportPicture>& pictures)
{
    const std::unique_ptr<QTextDocument> document = ReportDocument(source, pictures, PictureForm::Vector);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setTitle(Texts::tr("Отчёт по лабораторной работе № 4"));
        writer.setCreator(QStringLiteral("Detector Lab"));
        PaintReport(*document, writer);
    }
    return buffer.data();
}

QByteArray ReportOdt(const ReportSource& source, const std::vector<ReportPicture>& pictures)
{
    const std::unique_ptr<QTextDocument> document = ReportDocument(source, pictures, PictureForm::Image);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    return writer.write(document.get()) ? buffer.data() : QByteArray();
}

std::string ReportXlsx(const ReportSource& source, std::string& error)
{
    const Language language = ProgramLanguage();
    const auto fact = [language](Wording label, const QString& value) {
        return sheets::Fact{std::string(label.In(language)), sheets::Cell::OfText(value.toStdString())};
    };
    std::vector<sheets::Fact> facts = ReportFacts(source.Analysis, language);
    facts.insert(facts.begin(), {fact({"студент", "student"}, source.Title.Student),
                                    fact({"группа", "group"}, source.Title.Group),
                                    fact({"дата", "date"}, source.Title.Date),
                                    fact({"файл журнала", "journal file"}, source.JournalFile)});
    std::vector<sheets::Table> tables;
    for (sheets::Table table : {CountTable(source.Analysis, language), CharacteristicTable(source.Analysis, language),
             NoisePowerTable(source.Analysis, language)})
        if (!table.Rows.empty())
            tables.push_back(std::move(table));
    const sheets::XlsxBytes workbook
        = sheets::XlsxWorkbook(tables, std::string(sheets::FactsSheetName.In(language)), facts);
    error = workbook.Error;
    return workbook.Bytes;
}

} // namespace report

#include "ReportDocument.moc"
