// The files that present the program to the desktop and to Windows: the
// manifest, the version record, the desktop entry and the metainfo, kept in
// step with the program's own identity.
#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include "program_identity.h"

namespace gravitaria {
namespace {

const QString kResources = QStringLiteral(GRAVITARIA_APP_RESOURCES);

QByteArray readFile(const QString& relative) {
    QFile file(kResources + QLatin1Char('/') + relative);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return file.readAll();
}

struct XmlElement {
    QString name;
    QString namespaceUri;
    QMap<QString, QString> attributes;
};

// Every element of a well-formed document; fails the test on a parse error.
std::vector<XmlElement> parseXml(const QByteArray& data) {
    std::vector<XmlElement> elements;
    QXmlStreamReader xml(data);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        XmlElement e{xml.name().toString(), xml.namespaceUri().toString(), {}};
        for (const QXmlStreamAttribute& a : xml.attributes()) e.attributes[a.name().toString()] = a.value().toString();
        elements.push_back(e);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line " << xml.lineNumber();
    return elements;
}

TEST(ProgramFiles, ManifestAsksForThemedControlsAndTheUsersRights) {
    const std::vector<XmlElement> elements = parseXml(readFile(QStringLiteral("windows/gravitaria.manifest")));
    ASSERT_FALSE(elements.empty());
    EXPECT_EQ(elements.front().name, QStringLiteral("assembly"));
    EXPECT_EQ(elements.front().namespaceUri, QStringLiteral("urn:schemas-microsoft-com:asm.v1"));
    EXPECT_EQ(elements.front().attributes.value(QStringLiteral("manifestVersion")), QStringLiteral("1.0"));

    std::vector<XmlElement> identities, levels;
    for (const XmlElement& e : elements) {
        if (e.name == QStringLiteral("assemblyIdentity")) identities.push_back(e);
        if (e.name == QStringLiteral("requestedExecutionLevel")) levels.push_back(e);
    }
    ASSERT_EQ(identities.size(), 2u);
    const auto& own = identities[0].attributes;
    EXPECT_EQ(own.value(QStringLiteral("type")), QStringLiteral("win32"));
    EXPECT_EQ(own.value(QStringLiteral("version")), QStringLiteral("1.0.0.0"));
    EXPECT_EQ(own.value(QStringLiteral("processorArchitecture")), QStringLiteral("*"));
    EXPECT_FALSE(own.value(QStringLiteral("name")).isEmpty());
    const auto& controls = identities[1].attributes;
    EXPECT_EQ(controls.value(QStringLiteral("name")), QStringLiteral("Microsoft.Windows.Common-Controls"));
    EXPECT_EQ(controls.value(QStringLiteral("type")), QStringLiteral("win32"));
    EXPECT_EQ(controls.value(QStringLiteral("version")), QStringLiteral("6.0.0.0"));
    EXPECT_EQ(controls.value(QStringLiteral("publicKeyToken")), QStringLiteral("6595b64144ccf1df"));
    EXPECT_EQ(controls.value(QStringLiteral("language")), QStringLiteral("*"));
    EXPECT_EQ(controls.value(QStringLiteral("processorArchitecture")), QStringLiteral("*"));

    ASSERT_EQ(levels.size(), 1u);
    EXPECT_EQ(levels[0].namespaceUri, QStringLiteral("urn:schemas-microsoft-com:asm.v3"));
    EXPECT_EQ(levels[0].attributes.value(QStringLiteral("level")), QStringLiteral("asInvoker"));
    EXPECT_EQ(levels[0].attributes.value(QStringLiteral("uiAccess")), QStringLiteral("false"));
}

TEST(ProgramFiles, ManifestPassesXmllintWhenPresent) {
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty()) GTEST_SKIP() << "xmllint not installed";
    QProcess p;
    p.start(xmllint, {QStringLiteral("--noout"), kResources + QStringLiteral("/windows/gravitaria.manifest")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}

QString rcValue(const QString& rc, const QString& key) {
    const QRegularExpression re(QStringLiteral("VALUE \"%1\", \"([^\"]*)\"").arg(key));
    const QRegularExpressionMatch m = re.match(rc);
    return m.hasMatch() ? m.captured(1) : QStringLiteral("<missing>");
}

TEST(ProgramFiles, VersionRecordMatchesTheProgram) {
    const QString rc = QString::fromUtf8(readFile(QStringLiteral("windows/gravitaria.rc")));
    QString fileVersion = kProgramVersion;
    fileVersion.replace(QLatin1Char('.'), QLatin1Char(','));
    EXPECT_TRUE(rc.contains(QStringLiteral("FILEVERSION ") + fileVersion + QStringLiteral(",0,0")));
    EXPECT_TRUE(rc.contains(QStringLiteral("PRODUCTVERSION ") + fileVersion + QStringLiteral(",0,0")));
    EXPECT_EQ(rcValue(rc, QStringLiteral("FileVersion")), kProgramVersion + QStringLiteral(".0.0"));
    EXPECT_EQ(rcValue(rc, QStringLiteral("ProductVersion")), kProgramVersion);
    EXPECT_EQ(rcValue(rc, QStringLiteral("FileDescription")), kProgramDescription);
    EXPECT_EQ(rcValue(rc, QStringLiteral("CompanyName")), kMakerName);
    for (const char* key : {"ProductName", "InternalName", "OriginalFilename"})
        EXPECT_EQ(rcValue(rc, QLatin1String(key)), kProgramName) << key;
    EXPECT_EQ(rcValue(rc, QStringLiteral("LegalTrademarks")), QStringLiteral("Libre de droits"));
    EXPECT_EQ(rcValue(rc, QStringLiteral("Comments")), QStringLiteral("Libre de droits"));
    // French (France), code page 1252, in the string block and the translation.
    EXPECT_TRUE(rc.contains(QStringLiteral("BLOCK \"040C04E4\"")));
    EXPECT_TRUE(rc.contains(QStringLiteral("VALUE \"Translation\", 0x040C, 1252")));
    EXPECT_TRUE(rc.contains(QStringLiteral("1 24 \"gravitaria.manifest\"")));
    EXPECT_TRUE(rc.contains(QStringLiteral("ICON \"gravitaria.ico\"")));
}

// The icon beside the script: one 32 x 32 picture in a valid icon file.
TEST(ProgramFiles, WindowsIconHoldsThe32By32Picture) {
    const QByteArray ico = readFile(QStringLiteral("windows/gravitaria.ico"));
    ASSERT_GE(ico.size(), 6 + 16);
    auto u16 = [&ico](int at) { return static_cast<uchar>(ico[at]) | (static_cast<uchar>(ico[at + 1]) << 8); };
    auto u32 = [&](int at) { return static_cast<quint32>(u16(at)) | (static_cast<quint32>(u16(at + 2)) << 16); };
    EXPECT_EQ(u16(0), 0);
    EXPECT_EQ(u16(2), 1) << "icon type";
    ASSERT_EQ(u16(4), 1) << "one picture";
    EXPECT_EQ(static_cast<uchar>(ico[6]), 32);
    EXPECT_EQ(static_cast<uchar>(ico[7]), 32);
    const quint32 size = u32(6 + 8), offset = u32(6 + 12);
    ASSERT_EQ(offset + size, static_cast<quint32>(ico.size()));
    EXPECT_TRUE(ico.mid(static_cast<qsizetype>(offset), 8) == QByteArray("\x89PNG\r\n\x1a\n", 8));
}

TEST(ProgramFiles, ProgramVersionIsTheProjectVersion) {
    EXPECT_EQ(kProgramVersion, QStringLiteral(GRAVITARIA_PROJECT_VERSION));
}

QMap<QString, QString> desktopEntry() {
    QMap<QString, QString> keys;
    const QStringList lines =
        QString::fromUtf8(readFile(QStringLiteral("desktop/org.example.Gravitaria.desktop"))).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0) keys[line.left(eq)] = line.mid(eq + 1);
    }
    return keys;
}

TEST(ProgramFiles, DesktopEntryStartsTheProgramWithItsIconInFrench) {
    const QMap<QString, QString> entry = desktopEntry();
    EXPECT_EQ(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(entry.value(QStringLiteral("Name")), kProgramName);
    EXPECT_EQ(entry.value(QStringLiteral("Exec")), QStringLiteral("gravitaria"));
    EXPECT_EQ(entry.value(QStringLiteral("Icon")), QStringLiteral("gravitaria"));
    EXPECT_TRUE(entry.value(QStringLiteral("Comment")).startsWith(kProgramDescription));
    // The metainfo points at this entry and carries the same version.
    const QString metainfo = QString::fromUtf8(readFile(QStringLiteral("desktop/org.example.Gravitaria.metainfo.xml")));
    parseXml(metainfo.toUtf8());
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<launchable type=\"desktop-id\">org.example.Gravitaria.desktop</launchable>")));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<release version=\"") + kProgramVersion + QLatin1Char('"')));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<summary>") + kProgramDescription + QStringLiteral("</summary>")));
    // Software centres show the default screenshot with its French caption.
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<screenshot type=\"default\">")));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<caption>La fenêtre principale")));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<image>https://")));
}

// The package's changelog starts with this version (configuring checks it
// too) and signs off in the Debian changelog format.
TEST(ProgramFiles, PackageChangelogIsForThisVersion) {
    QFile file(QStringLiteral(GRAVITARIA_PACKAGING_DIR "/debian/changelog"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.first(), QStringLiteral("gravitaria (") + kProgramVersion +
                                 QStringLiteral(") unstable; urgency=medium"));
    EXPECT_TRUE(lines.filter(QRegularExpression(QStringLiteral(
                                 "^ -- [^<]+ <[^@>]+@[^>]+>  \\w{3}, \\d{2} \\w{3} \\d{4} \\d{2}:\\d{2}:\\d{2} [+-]\\d{4}$")))
                    .size() >= 1);
}

// The desktop's own validators, where installed.
TEST(ProgramFiles, DesktopValidatorsAcceptTheEntryAndTheMetainfo) {
    const struct {
        const char* tool;
        QStringList arguments;
    } checks[] = {
        {"desktop-file-validate", {kResources + QStringLiteral("/desktop/org.example.Gravitaria.desktop")}},
        {"appstreamcli",
         {QStringLiteral("validate"), QStringLiteral("--no-net"),
          kResources + QStringLiteral("/desktop/org.example.Gravitaria.metainfo.xml")}},
    };
    int ran = 0;
    for (const auto& check : checks) {
        const QString tool = QStandardPaths::findExecutable(QLatin1String(check.tool));
        if (tool.isEmpty()) continue;
        ++ran;
        QProcess p;
        p.start(tool, check.arguments);
        ASSERT_TRUE(p.waitForFinished(60000)) << check.tool;
        EXPECT_EQ(p.exitCode(), 0) << check.tool << ": " << p.readAllStandardOutput().toStdString()
                                   << p.readAllStandardError().toStdString();
    }
    if (ran == 0) GTEST_SKIP() << "no desktop validator installed";
}

}  // namespace
}  // namespace gravitaria
