// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PlainMessage.h"
#include "tools/testsupport/TestPictures.h"
#include "ui/controls/PictureImage.h"
#include "ui/support/Comfun.h"
#include "ui/support/SavePictureDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <optional>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const QString extensionMessage = QStringLiteral("%1:\nФормат файлов %2 не поддерживается.Произведена коррекция.");

// Answers the save dialog with a fixed name (or a cancel) and the replace
// question with a fixed answer, recording what was asked.
class DialogAnswers {
public:
    DialogAnswers(std::optional<QString> name, bool replace)
    {
        previousChooser_ = SetBitmapFileNameChooser([this, name](QWidget* owner) {
            owners.append(owner);
            return name;
        });
        previousQuestion_ = SetReplaceFileQuestion([this, replace](const QString& fileName) {
            questions.append(fileName);
            return replace;
        });
    }
    ~DialogAnswers()
    {
        SetBitmapFileNameChooser(std::move(previousChooser_));
        SetReplaceFileQuestion(std::move(previousQuestion_));
    }
    DialogAnswers(const DialogAnswers&) = delete;
    DialogAnswers& operator=(const DialogAnswers&) = delete;

    QList<QWidget*> owners;
    QStringList questions;

private:
    BitmapFileNameChooser previousChooser_;
    ReplaceFileQuestion previousQuestion_;
};

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteContents(const QString& path, const QByteArray& data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// Everything in the folder and its subfolders, by path relative to it.
QStringList Listing(const QString& folder)
{
    QStringList names;
    const QDir root(folder);
    for (const QFileInfo& entry : root.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        names.append(entry.fileName());
        if (entry.isDir())
            for (const QString& inner : Listing(entry.filePath()))
                names.append(entry.fileName() + '/' + inner);
    }
    names.sort();
    return names;
}

// Limits the size of files this process writes, so that a save fails halfway.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace

class SaveImageAsBitmapTest : public QObject {
    Q_OBJECT

    QTemporaryDir pictureDir_;
    QString picturePath_;
    QImage picture_;
    std::optional<QTemporaryDir> dir_;
    QWidget* window_ = nullptr;
    TImage* image_ = nullptr;

    QString InDir(const QString& name) const { return dir_->filePath(name); }

    void VerifyBitmapOfPicture(const QString& path)
    {
        const QByteArray data = Contents(path);
        QVERIFY2(data.startsWith("BM"), qPrintable(path));
        QCOMPARE(data.at(28), char(24));  // bits per pixel
        QVERIFY(SamePixels(QImage(path, "BMP"), picture_));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pictureDir_.isValid());
        picturePath_ = WriteTestPicture(pictureDir_, "picture.bmp", QSize(31, 17), qRgb(200, 30, 60));
        picture_ = QImage(picturePath_);
    }

    void init()
    {
        dir_.emplace();
        QVERIFY(dir_->isValid());
        window_ = new QWidget;
        image_ = new TImage(picturePath_, QRect(0, 0, 10, 10), window_);
    }

    void cleanup()
    {
        delete window_;
        dir_.reset();
    }

    void savesUnderTheCorrectedName_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("extension");  // in the message; null: no message
        QTest::newRow("initial name") << "Рисунок.bmp" << "Рисунок.bmp" << QString();
        QTest::newRow("upper case") << "a.BMP" << "a.BMP" << QString();
        QTest::newRow("mixed case") << "a.Bmp" << "a.Bmp" << QString();
        QTest::newRow("jpeg") << "a.jpg" << "a.bmp" << ".jpg";
        QTest::newRow("lowered in the message") << "a.TXT" << "a.bmp" << ".txt";
        QTest::newRow("cyrillic extension lowered") << "a.ЖПГ" << "a.bmp" << ".жпг";
        QTest::newRow("no extension") << "picture" << "picture.bmp" << "";
        QTest::newRow("full stop only in a folder") << "my.dir/picture" << "my.dir/picture.bmp" << "";
        QTest::newRow("last full stop counts") << "a.b.jpg" << "a.b.bmp" << ".jpg";
        QTest::newRow("bmp inside the name") << "a.bmp.txt" << "a.bmp.bmp" << ".txt";
        QTest::newRow("trailing full stop") << "a." << "a.bmp" << ".";
        QTest::newRow("hidden bitmap") << ".bmp" << ".bmp" << QString();
        // '\' and ':' are ordinary characters of a file name on this system.
        QTest::newRow("backslash is no separator") << "C:\\Work\\a.TXT" << "C:\\Work\\a.bmp" << ".txt";
        QTest::newRow("extension across a backslash") << "my.dir\\picture" << "my.bmp" << ".dir\\picture";
    }

    void savesUnderTheCorrectedName()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QFETCH(QString, extension);
        QVERIFY(QDir(dir_->path()).mkpath("my.dir"));
        DialogAnswers answers(InDir(chosen), false);
        PlainMessageRecorder messages;

        SaveImageAsBitmap(image_);

        QCOMPARE(answers.owners, QList<QWidget*>{image_});
        const QStringList expectedMessages =
            extension.isNull() ? QStringList() : QStringList{extensionMessage.arg(InDir(chosen), extension)};
        QCOMPARE(messages.messages, expectedMessages);
        QVERIFY(answers.questions.isEmpty());
        VerifyBitmapOfPicture(InDir(saved));
        QStringList expectedFiles{"my.dir", saved};
        expectedFiles.removeDuplicates();
        expectedFiles.sort();
        QCOMPARE(Listing(dir_->path()), expectedFiles);
    }

    void cancelWritesAndShowsNothing()
    {
        DialogAnswers answers(std::nullopt, true);
        PlainMessageRecorder messages;
        SaveImageAsBitmap(image_);
        QCOMPARE(answers.owners.size(), 1);
        QVERIFY(messages.messages.isEmpty());
        QVERIFY(Listing(dir_->path()).isEmpty());
    }

    void existingChosenFileIsReplacedWithoutAsking()
    {
        WriteContents(InDir("old.bmp"), "old contents");
        DialogAnswers answers(InDir("old.bmp"), false);
        PlainMessageRecorder messages;
        SaveImageAsBitmap(image_);
        QVERIFY(answers.questions.isEmpty());
        VerifyBitmapOfPicture(InDir("old.bmp"));
    }

    void correctedNameOfAnExistingFileIsAskedFor_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("kept") << false;
        QTest::newRow("replaced") << true;
    }

    void correctedNameOfAnExistingFileIsAskedFor()
    {
        QFETCH(bool, replace);
        WriteContents(InDir("a.bmp"), "old contents");
        DialogAnswers answers(InDir("a.jpg"), replace);
        PlainMessageRecorder messages;

        SaveImageAsBitmap(image_);

        QCOMPARE(messages.messages, QStringList{extensionMessage.arg(InDir("a.jpg"), ".jpg")});
        QCOMPARE(answers.questions, QStringList{InDir("a.bmp")});
        if (replace)
            VerifyBitmapOfPicture(InDir("a.bmp"));
        else
            QCOMPARE(Contents(InDir("a.bmp")), QByteArray("old contents"));
        QCOMPARE(Listing(dir_->path()), QStringList{"a.bmp"});
    }

    // Tests run as root, whom permission bits do not stop: the names below
    // cannot be created for other reasons.
    void fileThatCannotBeCreated_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("folder missing") << "missing/a.bmp";
        QTest::newRow("a folder's name") << "folder.bmp";
        QTest::newRow("corrected to a folder's name") << "folder.jpg";
    }

    void fileThatCannotBeCreated()
    {
        QFETCH(QString, name);
        QVERIFY(QDir(dir_->path()).mkdir("folder.bmp"));
        DialogAnswers answers(InDir(name), true);
        PlainMessageRecorder messages;

        SaveImageAsBitmap(image_);

        QString saved = InDir(name);
        // A corrected name that names a folder is told so, not asked about.
        const bool corrected = name.endsWith(".jpg");
        if (corrected)
            saved = saved.chopped(4) + ".bmp";
        QCOMPARE(messages.messages.last(), corrected
                ? saved + QStringLiteral(":\nэто папка, а не файл. Файл не сохранён.")
                : "Cannot create file " + saved);
        if (corrected)
            QCOMPARE(answers.questions, QStringList{});
        QCOMPARE(Listing(dir_->path()), QStringList{"folder.bmp"});
    }

    void fileInASystemFolderThatCannotBeCreated()
    {
        DialogAnswers answers(QStringLiteral("/proc/detector-lab-test.bmp"), true);
        PlainMessageRecorder messages;
        SaveImageAsBitmap(image_);
        QCOMPARE(messages.messages, QStringList{"Cannot create file /proc/detector-lab-test.bmp"});
        QVERIFY(!QFile::exists("/proc/detector-lab-test.bmp"));
    }

    void existingFileSurvivesAFailingSave()
    {
        WriteContents(InDir("old.bmp"), "old contents");
        DialogAnswers answers(InDir("old.bmp"), true);
        PlainMessageRecorder messages;
        {
            // Far less than the bitmap needs: the write fails halfway.
            const FileSizeLimit limit(100);
            SaveImageAsBitmap(image_);
        }
        QCOMPARE(messages.messages, QStringList{"Cannot create file " + InDir("old.bmp")});
        QCOMPARE(Contents(InDir("old.bmp")), QByteArray("old contents"));
        QCOMPARE(Listing(dir_->path()), QStringList{"old.bmp"});
    }

    // What is not a regular file is written where it is, never replaced.
    void targetsThatAreNotRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("character device") << "device";
        QTest::newRow("symbolic link") << "link";
        QTest::newRow("fifo without a reader") << "lonely fifo";
    }

    void targetsThatAreNotRegularFiles()
    {
        QFETCH(QString, kind);
        const QString target = InDir("target.bmp");
        const QByteArray name = QFile::encodeName(target);
        int reader = -1;
        if (kind.endsWith("fifo")) {
            QCOMPARE(mkfifo(name.constData(), 0600), 0);
            if (kind == "fifo")
                reader = open(name.constData(), O_RDONLY | O_NONBLOCK);
        } else if (kind == "device" && mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
            QSKIP("creating a device file needs root");
        } else if (kind == "link") {
            WriteContents(InDir("real.bmp"), "old contents");
            QVERIFY(QFile::link("real.bmp", target));
        }
        DialogAnswers answers(target, false);
        PlainMessageRecorder messages;

        SaveImageAsBitmap(image_);

        struct stat status {};
        QCOMPARE(lstat(name.constData(), &status), 0);
        if (kind == "link") {
            QVERIFY(S_ISLNK(status.st_mode));
            VerifyBitmapOfPicture(InDir("real.bmp"));
        } else {
            QVERIFY(kind == "device" ? S_ISCHR(status.st_mode) : S_ISFIFO(status.st_mode));
        }
        if (reader >= 0) {
            char start[2] = {};
            QCOMPARE(read(reader, start, 2), ssize_t{2});
            close(reader);
            QCOMPARE(QByteArray(start, 2), QByteArray("BM"));
        }
        const QStringList expected =
            kind == "lonely fifo" ? QStringList{"Cannot create file " + target} : QStringList();
        QCOMPARE(messages.messages, expected);
    }

    void unreadablePictureWritesNothing()
    {
        WriteContents(InDir("old.bmp"), "old contents");
        const TImage broken(InDir("missing.bmp"), QRect(0, 0, 10, 10), nullptr);
        DialogAnswers answers(InDir("old.bmp"), true);
        PlainMessageRecorder messages;
        SaveImageAsBitmap(const_cast<TImage*>(&broken));
        QCOMPARE(messages.messages, QStringList{"Cannot create file " + InDir("old.bmp")});
        QCOMPARE(Contents(InDir("old.bmp")), QByteArray("old contents"));
    }

    // The real dialog: its settings, the preview of the bitmap selected in
    // its list, the overwrite prompt, and a name typed without extension.
    void realDialogWithPreview()
    {
        const QString listed = WriteTestPicture(*dir_, "listed.bmp", QSize(50, 40), qRgb(1, 2, 3));
        const QByteArray listedBefore = Contents(listed);
        PlainMessageRecorder messages;
        QString failure = "the dialog did not open";
        bool previewShown = false;
        QString overwritePrompt;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            failure.clear();
            auto* grid = qobject_cast<QGridLayout*>(dialog->layout());
            auto* pane = dialog->findChild<QLabel*>("previewPane");
            auto* nameEdit = dialog->findChild<QLineEdit*>("fileNameEdit");
            auto* list = dialog->findChild<QListView*>("listView");
            if (grid == nullptr || pane == nullptr || nameEdit == nullptr || list == nullptr) {
                failure = "a part of the dialog is missing";
                dialog->reject();
                return;
            }
            int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(grid->indexOf(pane), &row, &column, &rowSpan, &columnSpan);
            const QStringList settings = {
                QString::number(dialog->acceptMode() == QFileDialog::AcceptSave),
                QString::number(dialog->testOption(QFileDialog::DontUseNativeDialog)),
                QString::number(dialog->testOption(QFileDialog::DontConfirmOverwrite)),
                dialog->defaultSuffix(),
                dialog->nameFilters().join('|'),
                nameEdit->text(),
                QString("%1,%2,%3").arg(row).arg(column).arg(rowSpan),
            };
            const QStringList expected = {"1", "1", "0", "bmp", "Bitmaps (*.bmp)", "Рисунок.bmp",
                                          QString("0,3,%1").arg(grid->rowCount())};
            if (settings != expected)
                failure = "settings: " + settings.join(" / ");

            dialog->setDirectory(dir_->path());
            auto* model = qobject_cast<QFileSystemModel*>(list->model());
            if (model != nullptr && QTest::qWaitFor([&] { return model->index(listed).isValid(); })) {
                list->setCurrentIndex(model->index(listed));
                previewShown = QTest::qWaitFor([&] { return !pane->pixmap().isNull(); });
            }
            // Accepting the existing file selected asks first; "no" keeps the dialog open.
            QTimer::singleShot(0, this, [&] {
                if (auto* prompt = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    overwritePrompt = prompt->text();
                    prompt->reject();
                }
            });
            QTest::keyClick(nameEdit, Qt::Key_Return);
            if (!dialog->isVisible()) {
                failure = "the existing file was accepted without asking";
                return;
            }
            list->clearSelection();
            nameEdit->setFocus();
            nameEdit->setText("typed");
            QTest::keyClick(nameEdit, Qt::Key_Return);
            if (dialog->isVisible()) {
                failure = "Return did not accept the name";
                dialog->reject();
            }
        });

        SaveImageAsBitmap(image_);

        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(previewShown);
        QVERIFY2(overwritePrompt.contains("listed.bmp"), qPrintable(overwritePrompt));
        QCOMPARE(Contents(listed), listedBefore);
        QVERIFY(messages.messages.isEmpty());
        VerifyBitmapOfPicture(InDir("typed.bmp"));
    }

    // The real dialog opens in the folder of the name chosen last, also after
    // a cancel.
    void realDialogOpensInTheLastFolder()
    {
        QStringList opened;
        const auto answerWith = [&](const QString& typed) {
            QTimer::singleShot(0, this, [&opened, typed] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (dialog == nullptr)
                    return;
                opened.append(dialog->directory().absolutePath());
                auto* nameEdit = dialog->findChild<QLineEdit*>("fileNameEdit");
                if (typed.isEmpty() || nameEdit == nullptr)
                    return dialog->reject();
                nameEdit->setText(typed);
                QTest::keyClick(nameEdit, Qt::Key_Return);
            });
        };
        const QString folder = QDir(dir_->path()).absolutePath();
        answerWith(folder + "/first.bmp");
        QCOMPARE(ChooseBitmapFileName(window_), folder + "/first.bmp");
        for (int time = 0; time < 2; ++time) {
            answerWith({});
            QCOMPARE(ChooseBitmapFileName(window_), std::nullopt);
        }
        QCOMPARE(opened.size(), 3);
        QVERIFY(opened[0] != folder);
        QCOMPARE(opened.mid(1), QStringList({folder, folder}));
    }

    // The picture dialog offers PNG, then SVG; choosing SVG makes the name
    // and the suffix added to a typed name follow it.
    void realPictureDialogFollowsItsFilter()
    {
        QStringList seen;
        QTimer::singleShot(0, this, [&seen, this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* nameEdit = dialog != nullptr ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            auto* filters = dialog != nullptr ? dialog->findChild<QComboBox*>("fileTypeCombo") : nullptr;
            if (nameEdit == nullptr || filters == nullptr)
                return dialog != nullptr ? dialog->reject() : void();
            seen << dialog->nameFilters().join('|') << dialog->defaultSuffix() << nameEdit->text();
            QTest::keyClick(filters, Qt::Key_Down);
            seen << dialog->defaultSuffix() << nameEdit->text();
            nameEdit->setText(dir_->path() + "/typed");
            QTest::keyClick(nameEdit, Qt::Key_Return);
        });
        const std::optional<QString> chosen = ChoosePlotFileName(window_);
        QCOMPARE(seen, QStringList({"Рисунки PNG (*.png)|Рисунки SVG (*.svg)", "png", "Характеристика.png", "svg",
                           "Характеристика.svg"}));
        QCOMPARE(chosen, QDir(dir_->path()).absoluteFilePath("typed.svg"));
    }

    // The table dialog offers the program's CSV, «CSV для Excel» and the
    // workbook; the form chosen comes back with the name.
    void realTableDialogOffersThreeForms()
    {
        QStringList seen;
        QTimer::singleShot(0, this, [&seen, this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* nameEdit = dialog != nullptr ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            auto* filters = dialog != nullptr ? dialog->findChild<QComboBox*>("fileTypeCombo") : nullptr;
            if (nameEdit == nullptr || filters == nullptr)
                return dialog != nullptr ? dialog->reject() : void();
            seen << dialog->nameFilters().join('|') << nameEdit->text();
            QTest::keyClick(filters, Qt::Key_Down);
            QTest::keyClick(filters, Qt::Key_Down);
            seen << dialog->defaultSuffix() << nameEdit->text();
            nameEdit->setText(dir_->path() + "/typed");
            QTest::keyClick(nameEdit, Qt::Key_Return);
        });
        const std::optional<TableFile> chosen = ChooseTableFile(window_, QStringLiteral("Характеристика.csv"));
        QCOMPARE(seen, QStringList({"Таблицы CSV (*.csv)|CSV для Excel (*.csv)|Книги Excel (*.xlsx)",
                           "Характеристика.csv", "xlsx", "Характеристика.xlsx"}));
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->Name, QDir(dir_->path()).absoluteFilePath("typed.xlsx"));
        QVERIFY(chosen->Form == sheets::TableForm::Workbook);
    }
};

QTEST_MAIN(SaveImageAsBitmapTest)
#include "SaveImageAsBitmapTest.moc"
