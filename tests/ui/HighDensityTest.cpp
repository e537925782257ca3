// The window on a screen of scale 2: the same logical layout as at scale 1, drawn with
// twice the pixels. Each scale is a process of its own (tenvik_scale_probe), since Qt
// takes the scale factor only before the application starts.
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace tenvik::test {
namespace {

// Readable failures, "(x, y) w x h", without teaching GoogleTest to print Qt types in
// one file only (its printers are shared by every test file).
std::string Described(const QRect& r)
{
    return QStringLiteral("(%1, %2) %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

std::string Described(const QSize& s)
{
    return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height()).toStdString();
}

struct ProbeReport {
    qreal scale = 0;
    QSize window;                 // logical
    QMap<QString, QRect> widgets; // logical, relative to the window
    qreal grabScale = 0;
    QSize grabPixels;
    QStringList border; // ARGB of the device pixels from a cell's left edge inwards
    qreal sextantScale = 0;
    QSize sextantPixels;
    QMap<QString, QString> marks; // where each day cell's marks go, logical
};

// One offscreen screen whose windows have no frame. A frame is drawn in device pixels,
// so at scale 2 it is half as wide in logical units and a window of the same outer size
// would have a larger inside: the comparison would measure the frame, not the window.
constexpr const char* FramelessScreen = R"({
    "windowFrameMargins": false,
    "screens": [{"name": "offscreen", "x": 0, "y": 0, "width": 1600, "height": 1600,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]
})";

// The platform's options are separated by colons, so the configuration is named relative to
// the probe's working folder: a Windows path's drive letter would end the option.
ProbeReport RunProbe(const QString& platformConfig, int scaleFactor)
{
    const QFileInfo config(platformConfig);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config.fileName());
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scaleFactor));
    // Nothing else may scale the probe: only the factor under test differs between runs.
    for (const char* other : {"QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI",
                              "QT_USE_PHYSICAL_DPI", "QT_SCALE_FACTOR_ROUNDING_POLICY"})
        environment.remove(QString::fromLatin1(other));

    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.setWorkingDirectory(config.absolutePath());
    probe.start(QStringLiteral(TENVIK_SCALE_PROBE), {});
    const bool finished = probe.waitForFinished(60000);
    EXPECT_TRUE(finished) << "the probe did not finish";
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();

    ProbeReport report;
    // A Windows program's standard output ends its lines with CR LF.
    const QString output = QString::fromLocal8Bit(probe.readAllStandardOutput()).remove(u'\r');
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(u' ');
        if (f[0] == QLatin1String("scale") && f.size() == 2) {
            report.scale = f[1].toDouble();
        } else if (f[0] == QLatin1String("window") && f.size() == 3) {
            report.window = QSize(f[1].toInt(), f[2].toInt());
        } else if (f[0] == QLatin1String("widget") && f.size() == 6) {
            report.widgets.insert(f[1], QRect(f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt()));
        } else if (f[0] == QLatin1String("grab") && f.size() == 4) {
            report.grabScale = f[1].toDouble();
            report.grabPixels = QSize(f[2].toInt(), f[3].toInt());
        } else if (f[0] == QLatin1String("border")) {
            report.border = f.mid(1);
        } else if (f[0] == QLatin1String("marks") && f.size() >= 3) {
            report.marks.insert(f[1], f.mid(2).join(u' '));
        } else if (f[0] == QLatin1String("sextant") && f.size() == 4) {
            report.sextantScale = f[1].toDouble();
            report.sextantPixels = QSize(f[2].toInt(), f[3].toInt());
        } else {
            ADD_FAILURE() << "unexpected probe line: " << line.toStdString();
        }
    }
    return report;
}

TEST(HighDensityTest, ScaleTwoKeepsTheLogicalLayoutAndDoublesThePixels)
{
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString platformConfig = folder.filePath(QStringLiteral("frameless-screen.json"));
    {
        QFile file(platformConfig);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(FramelessScreen);
    }
    const ProbeReport one = RunProbe(platformConfig, 1);
    const ProbeReport two = RunProbe(platformConfig, 2);
    ASSERT_EQ(one.scale, 1.0);
    ASSERT_EQ(two.scale, 2.0);

    // Every named widget, on every page, at the same logical place and size.
    ASSERT_GT(one.widgets.size(), 150);
    EXPECT_EQ(one.widgets.keys().join(u' ').toStdString(), two.widgets.keys().join(u' ').toStdString());
    for (auto it = one.widgets.cbegin(); it != one.widgets.cend(); ++it)
        EXPECT_EQ(Described(two.widgets.value(it.key())), Described(it.value())) << it.key().toStdString();

    EXPECT_EQ(Described(one.window), Described(QSize(350, 640)));
    EXPECT_EQ(Described(two.window), Described(one.window));
    EXPECT_EQ(one.grabScale, 1.0);
    EXPECT_EQ(Described(one.grabPixels), Described(one.window));
    EXPECT_EQ(two.grabScale, 2.0);
    EXPECT_EQ(Described(two.grabPixels), Described(one.window * 2));

    // A cell's half-unit border is one whole device pixel at scale 2: the stroke colour
    // itself, then the fill, with no blend between them.
    EXPECT_EQ(two.border.join(u' ').toStdString(), "FF708090 FFFFFFFF FFFFFFFF");

    // Every day finds room for the four marks of the user's entries at both scales. Each
    // scale measures the texts' ink as it draws them, which may differ by a pixel, so the
    // marks may take another place or size.
    ASSERT_EQ(one.marks.size(), 40);
    for (auto it = one.marks.cbegin(); it != one.marks.cend(); ++it) {
        EXPECT_EQ(it.value().split(u' ').size(), 4) << it.key().toStdString() << " at scale 1";
        EXPECT_EQ(two.marks.value(it.key()).split(u' ').size(), 4) << it.key().toStdString() << " at scale 2";
    }

    // The About picture is drawn from its 500 × 424 variant at scale 2.
    EXPECT_EQ(one.sextantScale, 1.0);
    EXPECT_EQ(Described(one.sextantPixels), Described(QSize(250, 212)));
    EXPECT_EQ(two.sextantScale, 2.0);
    EXPECT_EQ(Described(two.sextantPixels), Described(QSize(500, 424)));
}

} // namespace
} // namespace tenvik::test
