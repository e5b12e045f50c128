// The shared view helpers: embedded artwork and cue, JPEG decoding, text
// conversion, the dialogs and their stand-in and the error guard.
#include "data/circuitkeys.h"
#include "data/ioerror.h"
#include "testsupport/testdialogs.h"
#include "ui/browser.h"
#include "ui/clickablelabel.h"
#include "ui/errorguard.h"
#include "ui/pictures.h"
#include "ui/textconv.h"

#include <QAccessible>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QShortcut>
#include <QSize>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// ---- Artwork and cue ------------------------------------------------------

constexpr qsizetype cueDataBytes = 358344;

void appendLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

QByteArray expectedCueHeader() {
    QByteArray header;
    header.append("RIFF");
    appendLittleEndian(header, 36 + cueDataBytes, 4);
    header.append("WAVE");
    header.append("fmt ");
    appendLittleEndian(header, 16, 4);     // fmt chunk size
    appendLittleEndian(header, 1, 2);      // PCM
    appendLittleEndian(header, 2, 2);      // channels
    appendLittleEndian(header, 48000, 4);  // samples per second
    appendLittleEndian(header, 192000, 4); // bytes per second
    appendLittleEndian(header, 4, 2);      // block alignment
    appendLittleEndian(header, 16, 2);     // bits per sample
    header.append("data");
    appendLittleEndian(header, cueDataBytes, 4);
    return header;
}

TEST(Cue, embeddedWave_hasExactSizeAndPlainPcmHeader) {
    const QByteArray cue = assetbytes(QStringLiteral("cue.wav"));
    ASSERT_EQ(cue.size(), 358388);
    const QByteArray header = expectedCueHeader();
    ASSERT_EQ(header.size(), 44);
    EXPECT_EQ(cue.left(44).toHex(' '), header.toHex(' '));
}

TEST(Cue, samples_areNotSilent) {
    const QByteArray cue = assetbytes(QStringLiteral("cue.wav"));
    ASSERT_EQ(cue.size(), 358388);
    int loudest = 0;
    for (qsizetype at = 44; at + 1 < cue.size(); at += 2) {
        const auto low = static_cast<unsigned char>(cue[at]);
        const auto high = static_cast<unsigned char>(cue[at + 1]);
        const auto sample = static_cast<std::int16_t>(low | (high << 8));
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    EXPECT_GT(loudest, 8000);
    EXPECT_LT(loudest, 32767); // never clipped
}

const std::vector<std::pair<QString, QSize>>& artwork() {
    static const std::vector<std::pair<QString, QSize>> list = [] {
        std::vector<std::pair<QString, QSize>> pictures;
        auto add = [&](const QString& name, int width, int height) {
            pictures.emplace_back(name, QSize(width, height));
        };
        for (int digit = 0; digit <= 9; ++digit)
            add(QStringLiteral("digit%1.jpg").arg(digit), 30, 60);
        add("colon.jpg", 30, 60);
        add("phase_exercise.jpg", 200, 20);
        add("phase_rest.jpg", 200, 20);
        add("box_list.jpg", 200, 212);
        add("box_wide.jpg", 250, 70);
        add("namebar.jpg", 500, 70);
        add("runner_start.jpg", 50, 40);
        add("runner_stop.jpg", 50, 40);
        for (const char* button : {"info1", "info2", "start0", "start1", "start2", "new1", "new2",
                                   "remove1", "remove2", "exercise1", "exercise2"})
            add(QStringLiteral("main_%1.jpg").arg(QLatin1String(button)), 48, 48);
        add("logo.jpg", 120, 40);
        add("smallsplitter.jpg", 36, 8);
        add("banner.jpg", 600, 65);
        add("bullet.jpg", 18, 18);
        add("separator.jpg", 5, 293);
        add("closemark.jpg", 10, 10);
        for (const char* tool : {"save1", "save2", "new1", "new2", "delete1", "delete2"})
            add(QStringLiteral("tool_%1.jpg").arg(QLatin1String(tool)), 38, 34);
        for (const char* button : {"add", "up", "down", "remove"})
            add(QStringLiteral("list_%1.jpg").arg(QLatin1String(button)), 33, 33);
        return pictures;
    }();
    return list;
}

// The darkest and the lightest grey level of a picture.
std::pair<int, int> greyRange(const QImage& image) {
    int darkest = 255;
    int lightest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            darkest = std::min(darkest, grey);
            lightest = std::max(lightest, grey);
        }
    return {darkest, lightest};
}

TEST(Artwork, everyPicture_decodesAtItsSizeAndShowsSomething) {
    for (const auto& [name, size] : artwork()) {
        SCOPED_TRACE(name.toStdString());
        const QPixmap pixmap = picture(name);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), size);
        // A flat fill would mean a drawing went wrong: every picture has some
        // contrast between its lightest and darkest pixel.
        const auto [darkest, lightest] = greyRange(pixmap.toImage());
        EXPECT_GT(lightest - darkest, 40);
    }
}

TEST(Artwork, digits_areDarkOnTheLightGroundOfTheClock) {
    for (int digit = 0; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        const QImage image = picture(QStringLiteral("digit%1.jpg").arg(digit)).toImage();
        EXPECT_GT(qGray(image.pixel(0, 0)), 230);
        EXPECT_GT(qGray(image.pixel(29, 59)), 230);
        EXPECT_LT(greyRange(image).first, 40);
    }
}

TEST(Artwork, missingPicture_raisesIoError) {
    EXPECT_THROW(picture(QStringLiteral("no_such_picture.jpg")), IoError);
    EXPECT_TRUE(assetbytes(QStringLiteral("no_such_sound.wav")).isEmpty());
}

// ---- Artwork on a screen scaled to 200% -------------------------------------

// How far apart two pictures of one size are: the mean difference of their
// channels, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_RGB888);
    const QImage right = b.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * left.width() * left.height());
}

TEST(ArtworkAtTwiceScale, everyPicture_hasTwicePixelsInTheSameRoom) {
    for (const auto& [name, size] : artwork()) {
        SCOPED_TRACE(name.toStdString());
        for (const qreal ratio : {1.5, 2.0, 3.0}) {
            const QPixmap sharp = picture(name, ratio);
            EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
            EXPECT_EQ(sharp.size(), size * 2);
            EXPECT_EQ(sharp.deviceIndependentSize().toSize(), size);
        }
        // At 100% the designed picture, the very one every window has always had.
        const QPixmap designed = picture(name, 1.0);
        EXPECT_EQ(designed.devicePixelRatio(), 1.0);
        EXPECT_EQ(designed.size(), size);
        EXPECT_TRUE(designed.toImage() == QPixmap::fromImage(decodejpeg(assetbytes(name))).toImage());
        EXPECT_EQ(picture(name).cacheKey(), designed.cacheKey()); // this screen is at 100%
    }
}

TEST(ArtworkAtTwiceScale, twin_isTheSameDrawingAsTheDesignedPicture) {
    // Brought down to the designed size, each twin looks like its own picture
    // and unlike a neighbour of the same size (the hover picture, the other digit).
    // Fine strokes and hinted text land a little differently at twice the size
    // (the close mark's differ by 12); neighbours differ by 19 and more.
    constexpr double kSameDrawing = 15.0;
    const auto broughtDown = [](const QString& name) {
        const QPixmap sharp = picture(name, 2.0);
        return sharp.toImage().scaled(sharp.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    };
    for (const auto& [name, size] : artwork()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_LT(meanDifference(broughtDown(name), picture(name, 1.0).toImage()), kSameDrawing);
    }
    const std::pair<const char*, const char*> neighbours[] = {
        {"main_info1.jpg", "main_info2.jpg"}, {"tool_save1.jpg", "tool_save2.jpg"},
        {"digit3.jpg", "digit8.jpg"}, {"phase_exercise.jpg", "phase_rest.jpg"},
        {"list_up.jpg", "list_down.jpg"}};
    for (const auto& [one, other] : neighbours) {
        SCOPED_TRACE(one);
        const QImage designedOther = picture(QString::fromLatin1(other), 1.0).toImage();
        EXPECT_GT(meanDifference(broughtDown(QString::fromLatin1(one)), designedOther), kSameDrawing);
    }
}

TEST(ArtworkAtTwiceScale, pictureWithoutTwin_keepsTheDesignedOne) {
    // designedonly.jpg is embedded by this test alone, without an @2x drawing.
    const QPixmap pixmap = picture(QStringLiteral("designedonly.jpg"), 2.0);
    EXPECT_EQ(pixmap.devicePixelRatio(), 1.0);
    EXPECT_EQ(pixmap.size(), QSize(12, 8));
    EXPECT_THROW(picture(QStringLiteral("no_such_picture.jpg"), 2.0), IoError);
}

TEST(Jpeg, truncatedPicture_raisesIoErrorAtEveryCut) {
    const QByteArray whole = assetbytes(QStringLiteral("banner.jpg"));
    ASSERT_GT(whole.size(), 1000);
    ASSERT_FALSE(decodejpeg(whole).isNull());
    for (const qsizetype cut : {qsizetype{1}, qsizetype{2}, qsizetype{20}, qsizetype{200},
                                whole.size() / 2, whole.size() - 10}) {
        SCOPED_TRACE(cut);
        EXPECT_THROW(decodejpeg(whole.left(cut)), IoError);
    }
}

TEST(Jpeg, garbage_raisesIoError) {
    EXPECT_THROW(decodejpeg(QByteArray()), IoError);
    EXPECT_THROW(decodejpeg(QByteArray("this is plainly not a picture")), IoError);

    // A JPEG start marker followed by noise gets past the first check.
    QByteArray noise("\xFF\xD8", 2);
    std::uint32_t state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        noise.append(static_cast<char>(state >> 24));
    }
    EXPECT_THROW(decodejpeg(noise), IoError);

    // A real header whose picture data are overwritten with noise.
    QByteArray damaged = assetbytes(QStringLiteral("namebar.jpg"));
    ASSERT_GT(damaged.size(), 1200);
    for (qsizetype at = damaged.size() / 2; at < damaged.size(); ++at)
        damaged[at] = noise[at % noise.size()];
    EXPECT_THROW(decodejpeg(damaged), IoError);
}

// ---- Text conversion ------------------------------------------------------

const std::string latin1Bytes = "Kniebeuge \xFC"
                                "ber Kopf"; // 0xFC: ü in Latin-1
const std::string utf8Bytes = "Kniebeuge \xC3\xBC"
                              "ber Kopf"; // ü in UTF-8

TEST(TextConv, bytes_showAsUtf8WhenValidElseLatin1) {
    EXPECT_EQ(totext(utf8Bytes), QStringLiteral(u"Kniebeuge \u00FCber Kopf"));
    EXPECT_EQ(totext(latin1Bytes), QStringLiteral(u"Kniebeuge \u00FCber Kopf"));
    EXPECT_EQ(totext("Push-Up"), QStringLiteral("Push-Up"));
    EXPECT_EQ(totext(""), QString());
    // A lone continuation byte is not UTF-8, so the whole text is Latin-1.
    EXPECT_EQ(totext("a\x80z"), QString::fromLatin1("a\x80z"));
}

TEST(TextConv, untouchedValue_staysByteIdentical) {
    EXPECT_EQ(tobytes(totext(latin1Bytes), latin1Bytes), latin1Bytes);
    EXPECT_EQ(tobytes(totext(utf8Bytes), utf8Bytes), utf8Bytes);
    const std::string invalid = "x\xC3(y";
    EXPECT_EQ(tobytes(totext(invalid), invalid), invalid);
}

TEST(TextConv, editedValue_isStoredAsUtf8) {
    const QString edited = totext(latin1Bytes) + QStringLiteral("!");
    EXPECT_EQ(tobytes(edited, latin1Bytes), utf8Bytes + "!");
    EXPECT_EQ(tobytes(QStringLiteral(u"\u00DCbung")), std::string("\xC3\x9C"
                                                                  "bung"));
}

// ---- Dialogs and the error guard -------------------------------------------

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override { TestDialogs::install(); }
    void TearDown() override { TestDialogs::install(); }
};

TEST_F(DialogsTest, messagesAndQuestions_areRecordedInOrder) {
    Dialogs::message(nullptr, QStringLiteral("First"));
    Dialogs::confirm(nullptr, QStringLiteral("Second?"));
    EXPECT_EQ(TestDialogs::takeShown(), (QStringList{"First", "Second?"}));
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

TEST_F(DialogsTest, confirm_takesQueuedAnswersThenCancels) {
    TestDialogs::setNextAnswer(true);
    TestDialogs::setNextAnswer(false);
    EXPECT_TRUE(Dialogs::confirm(nullptr, QStringLiteral("One"), QPoint(400, 300)));
    EXPECT_FALSE(Dialogs::confirm(nullptr, QStringLiteral("Two")));
    TestDialogs::setNextAnswer(true);
    TestDialogs::install(); // a fresh start forgets queued answers
    EXPECT_FALSE(Dialogs::confirm(nullptr, QStringLiteral("Three")));
    EXPECT_EQ(TestDialogs::takeShown(), QStringList{"Three"});
}

TEST_F(DialogsTest, selectableMessage_showsItsTextPlainAndSelectable) {
    TestDialogs::uninstall();
    const QString text = QStringLiteral("Address:\n\nhttp://host/index.php?show=<b>Squat</b>");
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    Qt::TextInteractionFlags flags;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        auto* label = box ? box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")) : nullptr;
        if (label) {
            shown = label->text();
            format = label->textFormat();
            flags = label->textInteractionFlags();
        }
        if (box)
            box->accept();
    });
    Dialogs::selectableMessage(nullptr, text);
    EXPECT_EQ(shown, text);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByMouse));
    EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByKeyboard));
}

TEST_F(DialogsTest, guard_reportsTheErrorTextAndSwallowsIt) {
    bool after = false;
    guarded(nullptr, [&] {
        throw IoError("File not found");
        after = true;
    });
    guarded(nullptr, [] { throw 42; });
    guarded(nullptr, [&] { after = true; });
    EXPECT_TRUE(after);
    EXPECT_EQ(TestDialogs::takeShown(), (QStringList{"File not found", "Unexpected error"}));

    // In another language the runtime's texts and the program's own file
    // texts are worded; paths, keys and other text from files come as they are.
    class German final : public QTranslator {
    public:
        bool isEmpty() const override { return false; }
        QString translate(const char*, const char* source, const char*, int) const override {
            const QLatin1String text(source);
            if (text == QLatin1String("File not found"))
                return QStringLiteral("Datei nicht gefunden");
            if (text == QLatin1String("%1, line %2: %3"))
                return QStringLiteral("%1, Zeile %2: %3");
            if (text == QLatin1String("\"%1\" must be a number from %2 to %3"))
                return QStringLiteral("\"%1\" muss eine Zahl von %2 bis %3 sein");
            return {};
        }
    } german;
    const KeyProblem rounds{KeyProblem::Kind::OutOfRange, "rounds", 1, 99};
    QCoreApplication::installTranslator(&german);
    guarded(nullptr, [] { throw IoError("File not found"); });
    guarded(nullptr, [&] { throw IoError(keyproblemtext("Beine.cir", 3, rounds)); });
    guarded(nullptr, [] { throw IoError("Beine.cir names no file here"); });
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(TestDialogs::takeShown(),
              (QStringList{"Datei nicht gefunden",
                           "Beine.cir, Zeile 3: \"rounds\" muss eine Zahl von 1 bis 99 sein",
                           "Beine.cir names no file here"}));
}

// The windows' English wording of every file text is the one the error
// itself carries, nested causes and Latin-1 paths included.
TEST(FileWords, englishIsTheErrorsOwnText) {
    const std::string path = "/home/j\xF6rg/exercises.lst";
    const std::vector<FileText> texts = {
        {FileTextId::Plain, {"Disk full"}, {}},
        keyproblemtext(path, 7, {KeyProblem::Kind::NotKeyValue, "rounds:8", 0, 0}),
        keyproblemtext(path, 5, {KeyProblem::Kind::Twice, "work", 0, 0}),
        keyproblemtext(path, 3, {KeyProblem::Kind::OutOfRange, "warmup", 0, 3600}),
        {FileTextId::CircuitTooLong, {"Long", "101", "100"}, {}},
        {FileTextId::TabInName, {"Plank\tside"}, {}},
        {FileTextId::LibraryTooLarge, {path, "500"}, {}},
        {FileTextId::LibraryNotSaved,
         {path},
         {{FileTextId::LibraryUnread, {path}, {{FileTextId::Plain, {"Disk read error"}, {}}}}}},
        {FileTextId::ExportOverItself, {}, {}},
        {FileTextId::BundleForeign, {path}, {}},
        {FileTextId::BundleNewer, {path, "2"}, {}},
        {FileTextId::BundleCut, {path}, {}},
        {FileTextId::BundleTooLarge, {path, "16"}, {}},
        {FileTextId::BundleDamaged, {path, "7"}, {}},
        {FileTextId::ImportForeign, {path}, {}},
        {FileTextId::ImportBadName, {path, "a/b"}, {}},
        {FileTextId::ImportNothing, {path}, {}},
        {FileTextId::ExportOverData, {path}, {}},
        {FileTextId::ImportNoReader, {path}, {}},
    };
    for (const FileText& text : texts) {
        const IoError error(text);
        EXPECT_EQ(errortext(error), totext(error.what())) << error.what();
    }
}

} // namespace

// A download's library opens sockets of its own without close-on-exec; the
// browser started meanwhile must inherit none of them.
TEST(Browser, descriptorsAreKeptFromTheProgramsItStarts) {
    int pair[2] = {-1, -1};
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    ASSERT_FALSE(::fcntl(pair[0], F_GETFD) & FD_CLOEXEC);
    closedescriptorsonexec();
    EXPECT_TRUE(::fcntl(pair[0], F_GETFD) & FD_CLOEXEC);
    EXPECT_TRUE(::fcntl(pair[1], F_GETFD) & FD_CLOEXEC);
    EXPECT_FALSE(::fcntl(STDERR_FILENO, F_GETFD) & FD_CLOEXEC) << "the standard three stay";
    ::close(pair[0]);
    ::close(pair[1]);
}

namespace {

// A window holding one clickable label that records what it runs, and a
// window shortcut on Return that records too.
struct LabelWindow {
    LabelWindow() {
        window.resize(120, 60);
        label->setGeometry(10, 10, 48, 40);
        QPixmap art(48, 40);
        art.fill(QColor(200, 200, 200));
        label->setPixmap(art);
        label->onPress = [this] { done += QStringLiteral("press "); };
        label->onClick = [this] { done += QStringLiteral("click "); };
        auto* key = new QShortcut(QKeySequence(Qt::Key_Return), &window);
        key->setContext(Qt::WindowShortcut);
        QObject::connect(key, &QShortcut::activated, [this] { done += QStringLiteral("shortcut "); });
    }

    bool showWithFocus() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        label->setFocus(Qt::TabFocusReason);
        return label->hasFocus();
    }

    QWidget window;
    ClickableLabel* label = new ClickableLabel(&window);
    QString done;
};

} // namespace

TEST(ClickableLabel, keys_actOnButtonsAndLinksAsAPrimaryClick_picturesTakeNoFocus) {
    LabelWindow shown;
    EXPECT_EQ(shown.label->focusPolicy(), Qt::NoFocus);
    shown.label->setRole(ClickableLabel::Role::Button);
    EXPECT_EQ(shown.label->focusPolicy(), Qt::TabFocus) << "a click leaves the focus where it is";
    ASSERT_TRUE(shown.showWithFocus());

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QTest::keyClick(shown.label, key);
        EXPECT_EQ(shown.done, QStringLiteral("press click ")) << key;
        shown.done.clear();
    }
    // The focused control's key is not also the window's shortcut; others do nothing.
    QTest::keyClick(shown.label, Qt::Key_Space, Qt::ShiftModifier);
    QTest::keyClick(shown.label, Qt::Key_A);
    EXPECT_EQ(shown.done, QString());

    // A picture neither takes the keys nor holds the window's shortcut back.
    shown.label->setRole(ClickableLabel::Role::Picture);
    QTest::keyClick(shown.label, Qt::Key_Space);
    QTest::keyClick(shown.label, Qt::Key_Return);
    EXPECT_EQ(shown.done, QStringLiteral("shortcut "));
}

TEST(ClickableLabel, focusMark_isDrawnInBlueOnlyWhileTheFocusIsThere) {
    LabelWindow shown;
    shown.label->setRole(ClickableLabel::Role::Link);
    shown.window.show();
    const QImage plain = shown.label->grab().toImage();
    ASSERT_TRUE(shown.showWithFocus());
    const QImage focused = shown.label->grab().toImage();
    const QColor edge = focused.pixelColor(1, focused.height() / 2);
    EXPECT_GT(edge.blue(), 200);
    EXPECT_LT(edge.red(), 120);
    EXPECT_EQ(focused.pixelColor(focused.width() / 2, focused.height() / 2),
              plain.pixelColor(plain.width() / 2, plain.height() / 2))
        << "the picture inside is left as it is";
    shown.label->clearFocus();
    EXPECT_EQ(shown.label->grab().toImage(), plain);
}

TEST(ClickableLabel, screenReaders_meetButtonsAndLinksByName_andNoDecoration) {
    LabelWindow shown;
    shown.label->setRole(ClickableLabel::Role::Button);
    shown.label->setToolTip(QStringLiteral("Start The Selected Circuit"));
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(shown.label);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Start The Selected Circuit"));
    EXPECT_TRUE(button->state().focusable);
    shown.label->setAccessibleName(QStringLiteral("Start the circuit"));
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Start the circuit"));
    ASSERT_NE(button->actionInterface(), nullptr);
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(shown.done, QStringLiteral("press click "));

    auto* link = new ClickableLabel(&shown.window);
    link->setText(QStringLiteral("Your training history"));
    link->setRole(ClickableLabel::Role::Link);
    QAccessibleInterface* linked = QAccessible::queryAccessibleInterface(link);
    EXPECT_EQ(linked->role(), QAccessible::Link);
    EXPECT_EQ(linked->text(QAccessible::Name), QStringLiteral("Your training history"));

    // Artwork is invisible to a reader, a clickable one without an action
    // too; a picture given a name is not artwork.
    QPixmap art(8, 8);
    art.fill(Qt::red);
    auto* picture = new QLabel(&shown.window);
    picture->setPixmap(art);
    auto* logo = new ClickableLabel(&shown.window);
    logo->setPixmap(art);
    auto* phase = new QLabel(&shown.window);
    phase->setPixmap(art);
    phase->setAccessibleName(QStringLiteral("Rest"));
    auto* caption = new QLabel(QStringLiteral("Disclaimer"), &shown.window);
    shown.window.show();
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(picture)->state().invisible);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(logo)->state().invisible);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(phase)->state().invisible);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(phase)->text(QAccessible::Name),
              QStringLiteral("Rest"));
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(caption)->state().invisible);
    EXPECT_FALSE(button->state().invisible);
}
