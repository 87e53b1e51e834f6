// A diary reading opened from the file manager: the installed desktop entry's
// Exec line, expanded as a launcher does, starts the real program with the
// reading, which then shows on the card table and its report page.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kStartMs = 100000;

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Undoes the escapes every string value of a desktop entry may carry.
QString unescapeValue(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == QLatin1Char('s'))
            out += QLatin1Char(' ');
        else if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (next == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else
            out += next;
    }
    return out;
}

// Splits an Exec value into the program and its arguments, quotes and
// backslashes as a launcher reads them, with %f standing for the one file.
QStringList expandExec(const QString& exec, const QString& file)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    const QString value = unescapeValue(exec);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && i + 1 < value.size())
                word += value[++i];
            else
                word += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inWord = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        qFatal("unterminated quote in Exec=%s", qPrintable(exec));
    if (inWord)
        words.append(word);
    for (QString& w : words) {
        if (w == QStringLiteral("%f"))
            w = file;
        else
            w.replace(QStringLiteral("%%"), QStringLiteral("%"));
    }
    return words;
}

QString execOf(const QString& entryPath)
{
    const QStringList lines = readText(entryPath).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("Exec=")))
            return line.mid(5);
    }
    return {};
}

} // namespace

class OpenReadingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void expandingTheExecLine();
    void aDiaryReadingOpensThroughTheEntry();

private:
    QTemporaryDir m_dir;
    QString m_home;

    QString makeDiaryReading(const QString& person, const QString& path);
};

void OpenReadingTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A blank and a quote in the folder's path: the entry must quote it.
    m_home = m_dir.filePath(QStringLiteral("Program Folder's copy"));
    QProcess install;
    install.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    install.start(QStringLiteral(KESTRAVA_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(KESTRAVA_BUILD_DIR),
                   QStringLiteral("--prefix"), m_home});
    QVERIFY(install.waitForFinished(kStartMs));
    QCOMPARE(install.exitCode(), 0);
    QVERIFY(QFile::exists(m_home + QStringLiteral("/share/applications/kestrava.desktop")));
}

void OpenReadingTest::expandingTheExecLine()
{
    // The reader itself, on the forms an installed entry takes.
    const QString file = QStringLiteral("/r/Anna's \"best\" 100%.srml");
    QCOMPARE(expandExec(QStringLiteral("/opt/k/kestrava %f"), file),
             QStringList({QStringLiteral("/opt/k/kestrava"), file}));
    QCOMPARE(expandExec(QStringLiteral("\"/a b/it's \\\\$x%%\\\\`/kestrava\" %f"), file),
             QStringList({QStringLiteral("/a b/it's $x%`/kestrava"), file}));
}

QString OpenReadingTest::makeDiaryReading(const QString& person, const QString& path)
{
    const QString dealt = m_dir.filePath(QStringLiteral("dealt.srml"));
    QProcess deal;
    deal.setProcessChannelMode(QProcess::ForwardedChannels);
    deal.start(m_home + QStringLiteral("/kestrava-cli"),
               {QStringLiteral("--home"), m_home, QStringLiteral("deal"),
                QStringLiteral("Three Cards - Past, Present, Future"), QStringLiteral("--person"),
                person, QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--now"),
                QStringLiteral("2024-02-29 21:45"), QStringLiteral("--deck"),
                QStringLiteral("Kestrava"), QStringLiteral("--out"), dealt});
    if (!deal.waitForFinished(kStartMs) || deal.exitCode() != 0)
        return {};
    QFile in(dealt);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = in.readAll();
    const qsizetype firstLineEnd = bytes.indexOf("\r\n");
    if (firstLineEnd < 0)
        return {};
    bytes.replace(0, firstLineEnd, R"([SRML VERSION="1.0" CONTENT-TYPE="DIARY"])");
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return {};
    return path;
}

void OpenReadingTest::aDiaryReadingOpensThroughTheEntry()
{
    const QString person = QStringLiteral("Anna Kestrel");
    // Where a file manager finds it: outside the program folder, blanks in its name.
    const QString reading = makeDiaryReading(
        person, m_dir.filePath(QStringLiteral("My readings/Evening, three cards.srml")));
    QVERIFY(!reading.isEmpty());
    const QString report = m_home + QStringLiteral("/xfiles/newSpread-0001.html");
    const QString preview = m_home + QStringLiteral("/xfiles/export.html");
    QFile::remove(report);
    QFile::remove(preview);

    const QStringList command = expandExec(
        execOf(m_home + QStringLiteral("/share/applications/kestrava.desktop")), reading);
    QCOMPARE(command.size(), 2);
    QCOMPARE(command.at(0), m_home + QStringLiteral("/kestrava"));

    // Its own temporary folder gives the program a single-instance socket of
    // its own, whatever else of this user runs.
    const QString tmp = m_dir.filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(tmp));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), tmp);
    environment.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(command.at(0), command.mid(1));
    QVERIFY(program.waitForStarted(kStartMs));

    // Both pages of the opened reading carry its own moment.
    const QString moment = QStringLiteral("2024-02-29, 21-45");
    QTRY_VERIFY_WITH_TIMEOUT(
        readText(report).contains(moment) || program.state() == QProcess::NotRunning, kStartMs);
    QVERIFY2(program.state() == QProcess::Running, "the program ended at start");
    QVERIFY(readText(report).contains(moment));
    QVERIFY(readText(report).contains(QStringLiteral("Three Cards - Past, Present, Future")));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(preview), kStartMs);
    QVERIFY(readText(preview).contains(moment));
    // Open, it waits for the user.
    QTest::qWait(500);
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    QVERIFY(program.waitForFinished(kStartMs));
}

QTEST_GUILESS_MAIN(OpenReadingTest)
#include "openReadingTest.moc"
