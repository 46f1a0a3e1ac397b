#include <cmath>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "fakes/FakeServices.h"
#include "platform/Fonts.h"
#include "platform/RealSeams.h"
#include "platform/RunShellExecute.h"
#include "platform/TwipsControl.h"

namespace tutor {
namespace {

TEST(RunShellExecute, OpensTheAddressOnceAndIgnoresTheOutcome) {
    for (bool browserThere : {false, true}) {
        testing::FakeUrlOpener opener;
        opener.succeed = browserThere;
        RunShellExecute(opener, "open", "https://play.example.com/", std::nullopt, std::nullopt, 1);
        EXPECT_EQ(opener.opened, QStringList{"https://play.example.com/"});
    }
}

// Stands in for the desktop's browser: QDesktopServices hands it what the
// real opener asks to open.
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

TEST(RunShellExecute, GoesThroughTheDesktopsOpenerAndReturnsWhateverItDoes) {
    DesktopUrlOpener opener;
    BrowserStandIn browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    RunShellExecute(opener, "open", "https://play.example.com/", std::nullopt, std::nullopt, 1);
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl("https://play.example.com/")});
    // No handler and no browser on this machine: the call still just returns.
    RunShellExecute(opener, "open", "nosuchscheme://x", QString("a"), QString("/tmp"), 1);
}

TEST(BoxMessages, ShowsTheTextWithOnlyAnOkButtonAndTheProgramsTitle) {
    BoxMessages boxes;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        box->accept();
    });
    boxes.showMessage("error in load169 -No such file");
    EXPECT_EQ(text, "error in load169 -No such file");
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_EQ(title, QCoreApplication::applicationName());
}

TEST(MixedRandom, StaysInUnitRangeAndReseedsNeverRepeat) {
    MixedRandom random;
    double sum = 0;
    for (int i = 0; i < 20000; ++i) {
        const float v = random.nextUniform();
        ASSERT_GE(v, 0.f);
        ASSERT_LT(v, 1.f);
        sum += v;
    }
    EXPECT_NEAR(sum / 20000, 0.5, 0.02);

    // Two reseeds back to back, within one tick of any clock.
    auto run = [&] {
        random.reseedFromClock();
        std::vector<float> v;
        for (int i = 0; i < 8; ++i) v.push_back(random.nextUniform());
        return v;
    };
    const auto first = run();
    const auto second = run();
    EXPECT_NE(first, second);
}

TEST(PrimaryScreenMetrics, TwipsFromTheLogicalDpi) {
    PrimaryScreenMetrics screen;
    QScreen* s = QGuiApplication::primaryScreen();
    ASSERT_NE(s, nullptr);
    const float tpp = static_cast<float>(1440.0 / s->logicalDotsPerInchX());
    EXPECT_FLOAT_EQ(screen.twipsPerPixelX(), tpp);
    EXPECT_FLOAT_EQ(screen.widthTwips(), s->geometry().width() * tpp);
    if (s->logicalDotsPerInchX() == 96) {
        EXPECT_FLOAT_EQ(screen.twipsPerPixelX(), 15.f);
    }
}

TEST(TwipsControl, KeepsTwipsAndPlacesAtTheNearestPixel) {
    testing::FakeScreen screen;
    QWidget w;
    TwipsControl c(&w, 3300.75f, 165, 10455, 8790, screen);
    EXPECT_FLOAT_EQ(c.left(), 3300.75f);
    EXPECT_EQ(w.geometry(), QRect(220, 11, 697, 586));
    c.setWidth(22.4);  // 1.49 px
    EXPECT_EQ(w.width(), 1);
    EXPECT_FLOAT_EQ(c.width(), 22.4f);
}

TEST(TwipsControl, RefusesBadValuesAndKeepsTheOldOne) {
    testing::FakeScreen screen;
    QWidget w;
    TwipsControl c(&w, 10, 20, 300, 400, screen);
    for (double bad : {-1.0, -0.5, std::nan(""), double(INFINITY), 1e12}) {
        EXPECT_THROW(c.setWidth(bad), ControlRefused) << bad;
        EXPECT_THROW(c.setHeight(bad), ControlRefused) << bad;
    }
    EXPECT_THROW(c.setLeft(std::nan("")), ControlRefused);
    EXPECT_NO_THROW(c.setLeft(-300));  // a position may be negative
    EXPECT_FLOAT_EQ(c.width(), 300.f);
    EXPECT_FLOAT_EQ(c.height(), 400.f);
    EXPECT_EQ(w.geometry(), QRect(-20, 1, 20, 27));
}

TEST(Fonts, OldFontNamesMapToMetricCompatibleOnes) {
    installFontSubstitutions();
    EXPECT_EQ(QFontInfo(QFont("MS Sans Serif")).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QFont("Courier New")).family(), "Liberation Mono");
    EXPECT_EQ(QFontInfo(QFont("Small Fonts")).family(), "Liberation Sans");
}

// Waits until every sound file the player was given has loaded or failed to:
// a test program that ends with Qt Multimedia's background load in flight
// leaves that load allocated. The bound is for a hang only; a load takes
// milliseconds, longer on a busy machine.
::testing::AssertionResult loadsSettle(const QtSoundPlayer& player) {
    if (QTest::qWaitFor([&player] { return !player.loading(); }, 60000))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "a sound file still loads after 60 s";
}

// Sound comes from the module beside the program, loaded by the first sound
// that has a file and not before, so start-up does not wait for it.
TEST(QtSoundPlayer, LoadsTheSoundModuleOnTheFirstSoundFound) {
    const auto moduleLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/libquillet_sound.so");
    };
    QtSoundPlayer player;
    player.playAsync("no/such/file.wav");
    EXPECT_FALSE(moduleLoaded());
    player.playAsync(QStringLiteral(TUTOR_DATA_DIR "/wavs/yes.wav"));
    EXPECT_TRUE(moduleLoaded());
    EXPECT_TRUE(loadsSettle(player));
}

// Copies of the shipped waves under names no test has played before: Qt
// Multimedia keeps loaded samples by address, and one it has already makes
// its effect ready at once, with no load to see through.
class FreshWaves {
public:
    QString copyOf(const char* shipped) {
        const QString path = dir_.filePath(QStringLiteral("fresh-%1.wav").arg(++copies_));
        const bool copied = QFile::copy(QStringLiteral(TUTOR_DATA_DIR "/wavs/") + shipped, path);
        return copied ? path : QString();
    }

private:
    QTemporaryDir dir_;
    int copies_ = 0;
};

// A sound replaced while its file still loads is silenced, but kept and
// counted as loading until its load has ended: an effect let go in the middle
// of its load leaves that load in flight, and a program ending then leaks it.
// Loads end only in this thread's event loop, which does not run between the
// two calls, so the first file is still loading when it is replaced.
TEST(QtSoundPlayer, ASoundReplacedWhileItLoadsIsCountedUntilItsLoadEnds) {
    FreshWaves waves;
    const QString freshNo = waves.copyOf("no.wav");
    ASSERT_FALSE(freshNo.isEmpty());
    const std::pair<const char*, QString> replacements[] = {
        {"a second fresh file", freshNo},
        {"an empty path", QString()},
        {"a file that is not there", QStringLiteral("no/such/file.wav")},
    };
    for (const auto& [name, second] : replacements) {
        SCOPED_TRACE(name);
        const QString first = waves.copyOf("yes.wav");
        ASSERT_FALSE(first.isEmpty());
        QtSoundPlayer player;
        player.playAsync(first);
        player.playAsync(second);
        EXPECT_TRUE(player.loading())
            << "a sound replaced by " << name << " while its file loaded is not counted as "
            << "loading: it was let go in the middle of its load, or loading() overlooks it";
        EXPECT_TRUE(loadsSettle(player));
        player.playAsync(QString());
        EXPECT_FALSE(player.loading()) << "loads ended, yet the player still counts one";
    }
}

TEST(QtSoundPlayer, MissingFilesStaySilentWithoutFailing) {
    QtSoundPlayer player;
    player.playAsync("no/such/file.wav");
    player.playAsync("wavs\\missing.wav");
    player.playAsync("");
    EXPECT_FALSE(player.loading());
}

TEST(ImmediateEnderDeathTest, EndsWithStatusZeroPrintingNothing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ImmediateEnder ender;
            ender.endProgram();
        },
        ::testing::ExitedWithCode(0), "^$");
}

}  // namespace
}  // namespace tutor

#include "seams_test.moc"
