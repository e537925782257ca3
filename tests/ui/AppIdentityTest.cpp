#include "WindowFixture.h"

#include "bridge/FilePath.h"
#include "settings/SettingsFolder.h"
#include "ui/AppIdentity.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QWindow>

namespace tenvik::test {
namespace {

// Puts back what the test process had, so later tests see the same application.
class SavedIdentity {
public:
    SavedIdentity()
        : m_name(QApplication::applicationName()), m_organization(QApplication::organizationName()),
          m_displayName(QApplication::applicationDisplayName()), m_desktopFile(QGuiApplication::desktopFileName()),
          m_icon(QApplication::windowIcon()), m_configHome(qgetenv("XDG_CONFIG_HOME"))
    {
    }
    ~SavedIdentity()
    {
        QApplication::setApplicationName(m_name);
        QApplication::setOrganizationName(m_organization);
        QApplication::setApplicationDisplayName(m_displayName);
        QGuiApplication::setDesktopFileName(m_desktopFile);
        QApplication::setWindowIcon(m_icon);
        if (m_configHome.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_configHome);
    }

private:
    QString m_name, m_organization, m_displayName, m_desktopFile;
    QIcon m_icon;
    QByteArray m_configHome;
};

class AppIdentityTest : public WindowTest {};

TEST_F(AppIdentityTest, ApplicationNamesItselfAndShowsItsIcon)
{
    const SavedIdentity saved;
    SetApplicationIdentity();

    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Tenvik"));
    EXPECT_EQ(QApplication::organizationName(), QStringLiteral("Quorvell"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Tenvik\u00AE"));
    // The name of the desktop entry the packaging installs, without ".desktop".
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.example.Tenvik"));

    // The window first shows with the sizes a task bar draws; the large ones follow its
    // first frame.
    const QList<QSize> taskBarSizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), taskBarSizes);
    TMainForm& w = open(Show::No);
    CompleteIconAfterFirstFrame(w);
    EXPECT_EQ(w.windowIcon().availableSizes(), taskBarSizes);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QList<QSize> sizes = taskBarSizes + QList<QSize>{{128, 128}, {256, 256}};
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.windowIcon().availableSizes() == sizes; }))
        << "the large sizes never came after the first frame";
    // A taskbar asks for small sizes, a switcher at scale 2 for large ones; each is drawn
    // from its own picture, not scaled from another.
    EXPECT_EQ(w.windowIcon().pixmap(QSize(48, 48), 2.0).size(), QSize(96, 96));
    EXPECT_EQ(w.windowIcon().pixmap(QSize(16, 16)).toImage(),
              QImage(QStringLiteral(":/icons/hicolor/16x16/apps/tenvik.png"))
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// What a desktop shows as a window's caption: Qt's platform plugins (X11, Wayland,
// Windows) append a dash and the application's display name to a title that does not
// already end with it.
QString PlatformCaption(const QWindow& window)
{
    const QString title = window.title();
    const QString name = QGuiApplication::applicationDisplayName();
    return title.endsWith(name) ? title : title + QStringLiteral(" \u2014 ") + name;
}

TEST_F(AppIdentityTest, CaptionIsTheProductNameAlone)
{
    const SavedIdentity saved;
    SetApplicationIdentity();
    TMainForm& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tenvik\u00AE"));
    ASSERT_NE(w.windowHandle(), nullptr);
    EXPECT_EQ(w.windowHandle()->title(), QStringLiteral("Tenvik\u00AE"));
    EXPECT_EQ(PlatformCaption(*w.windowHandle()), QStringLiteral("Tenvik\u00AE"));
}

TEST_F(AppIdentityTest, SettingsFolderIsTheOneQtWouldNameForTheApplication)
{
    const SavedIdentity saved;
    SetApplicationIdentity();
#ifdef _WIN32
    // Windows keeps the settings in the roaming profile, where Qt keeps the application's
    // data, in the folders Qt names after the organisation and the application.
    const QString base = QDir::fromNativeSeparators(DisplayPathOf(RoamingConfigBase()));
    EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), base + u"/Quorvell/Tenvik");
    const std::filesystem::path settings = FindSettingsPath(FilePathOf(m_config.path()));
    EXPECT_EQ(QDir::fromNativeSeparators(DisplayPathOf(settings)),
              configPath(QStringLiteral("Quorvell/Tenvik/Tenvik.ini")));
#else
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());

    const std::filesystem::path settings = FindSettingsPath(RoamingConfigBase());
    EXPECT_EQ(DisplayPathOf(settings), configPath(QStringLiteral("Quorvell/Tenvik/Tenvik.ini")));
    // Anything Qt keeps for the application lands beside the settings file.
    EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
              DisplayPathOf(settings.parent_path()));
#endif
}

} // namespace
} // namespace tenvik::test
