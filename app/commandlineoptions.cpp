#include "app/commandlineoptions.h"

#include "displays/scoreletter.h"

namespace {
const QString kOn = QStringLiteral("on");
const QString kOff = QStringLiteral("off");
}

CommandLineOptions::CommandLineOptions()
    : m_help({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help and end."))
    , m_version({QStringLiteral("v"), QStringLiteral("version")}, tr("Show the version and end."))
    , m_draw(QStringLiteral("draw"),
             tr("Draw one student, or N at once, in Zandrel; Zandrel is started first when it is not running."))
    , m_score(QStringLiteral("score"), tr("Give the score letter (A to F) to the student drawn last."), tr("letter"))
    , m_floating(QStringLiteral("floating"), tr("Show (on) or hide (off) the floating draw button."), tr("on|off"))
    , m_show(QStringLiteral("show"), tr("Bring the main window to the front."))
{
    m_parser.setApplicationDescription(
        tr("Zandrel: classroom draw, read-aloud and score keeping.\n"
           "Without an option it opens its window. The commands go to the Zandrel that is running; "
           "they end with status 0 when it has done them, or with a message and status 1."));
    m_parser.addOptions({m_help, m_version, m_draw, m_score, m_floating, m_show});
    m_parser.addPositionalArgument(
        QStringLiteral("N"),
        tr("With --draw: how many students to draw at once, 1 to %1.").arg(RemoteCommand::kLargestDrawCount),
        QStringLiteral("[N]"));
}

CommandLineOptions::Action CommandLineOptions::parse(const QStringList &arguments)
{
    m_error.clear();
    const bool understood = m_parser.parse(arguments);
    if (m_parser.isSet(m_help))
        return PrintHelp;
    if (m_parser.isSet(m_version))
        return PrintVersion;
    if (!understood)
        return refuse(m_parser.errorText());
    return readCommand();
}

CommandLineOptions::Action CommandLineOptions::readCommand()
{
    const QStringList positional = m_parser.positionalArguments();
    const bool drawing = m_parser.isSet(m_draw);
    if (positional.size() > (drawing ? 1 : 0))
        return refuse(tr("Unexpected argument \"%1\".").arg(positional.last()));

    int commands = 0;
    for (const QCommandLineOption *option : {&m_draw, &m_score, &m_floating, &m_show})
        commands += m_parser.isSet(*option) ? 1 : 0;
    if (commands == 0)
        return StartWindow;
    if (commands > 1)
        return refuse(tr("Give one of --draw, --score, --floating and --show at a time."));

    if (drawing) {
        const QString count = positional.value(0, QStringLiteral("1"));
        bool isNumber = false;
        const int n = count.toInt(&isNumber);
        if (!isNumber || n < 1 || n > RemoteCommand::kLargestDrawCount)
            return refuse(tr("The number of students to draw must be a whole number from 1 to %1, not \"%2\".")
                              .arg(RemoteCommand::kLargestDrawCount)
                              .arg(count));
        m_command = RemoteCommand::draw(n);
    } else if (m_parser.isSet(m_score)) {
        const QString text = m_parser.value(m_score);
        const char letter = scoreLetter(text);
        if (!letter)
            return refuse(tr("The score must be one of the letters A to F, not \"%1\".").arg(text));
        m_command = RemoteCommand::score(letter);
    } else if (m_parser.isSet(m_floating)) {
        const QString state = m_parser.value(m_floating).toLower();
        if (state != kOn && state != kOff)
            return refuse(tr("--floating takes on or off, not \"%1\".").arg(m_parser.value(m_floating)));
        m_command = RemoteCommand::floating(state == kOn);
    } else {
        m_command = RemoteCommand::show();
    }
    return SendCommand;
}

CommandLineOptions::Action CommandLineOptions::refuse(const QString &error)
{
    m_error = error;
    return Refuse;
}

bool CommandLineOptions::namesOwnOption() const
{
    for (const QCommandLineOption *option : {&m_help, &m_version, &m_draw, &m_score, &m_floating, &m_show}) {
        if (m_parser.isSet(*option))
            return true;
    }
    return false;
}

QString CommandLineOptions::helpText() const
{
    return m_parser.helpText();
}

QString CommandLineOptions::versionText() const
{
    return tr("Zandrel %1").arg(QCoreApplication::applicationVersion());
}
