#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

// A CUPS server of its own, in a temporary directory: its configuration, spool, cache and logs
// there, listening only on a socket there, with one cups-pdf printer. The server is stopped
// when this goes out of scope. The clients of this process (Qt's printers, lp, lpstat) reach it
// through CUPS_SERVER, set while it runs.
//
// cups-pdf reads its settings from /etc/cups only, so it writes its PDF files where the
// machine's cups-pdf.conf says; the jobs are sent under a user name that is no account, which
// cups-pdf files under its directory for anonymous jobs (AnonDirName).
class ServeurCups {
public:
    // The name of the printer.
    static QString imprimante() { return QStringLiteral("Tarvinel-PDF"); }

    ServeurCups() {
        if (geteuid() != 0) {
            m_erreur = "the private print server runs as root only";
            return;
        }
        for (const char* programme : {"cupsd", "lpadmin", "lpstat"})
            if (QStandardPaths::findExecutable(programme).isEmpty() &&
                QStandardPaths::findExecutable(programme, {"/usr/sbin"}).isEmpty()) {
                m_erreur = QString("%1 is missing (Debian package cups)").arg(programme);
                return;
            }
        if (!QFile::exists(ppd()) || !QFile::exists("/usr/lib/cups/backend/cups-pdf")) {
            m_erreur = "cups-pdf is missing (Debian package printer-driver-cups-pdf)";
            return;
        }
        if (!m_repertoire.isValid() || !prepare()) {
            m_erreur = "the server's directory cannot be made";
            return;
        }
        m_precedentServeur = qgetenv("CUPS_SERVER");
        m_precedentUtilisateur = qgetenv("CUPS_USER");
        m_environnement = true;
        qputenv("CUPS_SERVER", socket().toLocal8Bit());
        qputenv("CUPS_USER", "tarvinel-essai");
        m_cupsd.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_cupsd.start(
            cupsd(), {"-f", "-c", chemin("root/cupsd.conf"), "-s", chemin("root/cups-files.conf")});
        if (!m_cupsd.waitForStarted()) {
            m_erreur = "cupsd does not start";
            return;
        }
        if (!attendPret()) {
            m_erreur = "cupsd does not answer: " + journal();
            return;
        }
        const QString sortie =
            lance("lpadmin", {"-p", imprimante(), "-v", "cups-pdf:/", "-P", ppd(), "-E", "-o",
                              "pdftops-renderer-default=pdftocairo"});
        if (!m_ok) {
            m_erreur = "lpadmin refuses the cups-pdf printer: " + sortie;
            return;
        }
        m_pret = true;
    }

    ~ServeurCups() {
        if (m_cupsd.state() != QProcess::NotRunning) {
            // Only the server started here: its own process id.
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(10000))
                m_cupsd.kill();
            m_cupsd.waitForFinished();
        }
        if (m_environnement) {
            restaure("CUPS_SERVER", m_precedentServeur);
            restaure("CUPS_USER", m_precedentUtilisateur);
        }
    }

    ServeurCups(const ServeurCups&) = delete;
    ServeurCups& operator=(const ServeurCups&) = delete;

    bool pret() const { return m_pret; }
    // Why the server is not there.
    QString erreur() const { return m_erreur; }
    QString socket() const { return chemin("cups.sock"); }

    // The ids of the finished jobs of the printer, as lpstat names them ("Tarvinel-PDF-3").
    QStringList travauxTermines() {
        QStringList ids;
        for (const QString& ligne :
             lance("lpstat", {"-W", "completed", "-o", imprimante()}).split('\n'))
            if (ligne.startsWith(imprimante() + '-'))
                ids << ligne.section(' ', 0, 0);
        return ids;
    }

    // The error log of the server, for a failure's message.
    QString journal() const {
        QFile f(chemin("log/error_log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    // Runs one of the CUPS client programs on this server; its output.
    QString lance(const QString& programme, const QStringList& arguments) {
        QProcess p;
        // The client programs' words in English, whatever the locale of the test.
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert("LC_ALL", "C");
        environnement.insert("LANG", "C");
        p.setProcessEnvironment(environnement);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(executable(programme), QStringList{"-h", socket()} + arguments);
        m_ok =
            p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        return QString::fromUtf8(p.readAll());
    }

private:
    static QString ppd() { return QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"); }
    static QString executable(const QString& programme) {
        const QString trouve = QStandardPaths::findExecutable(programme);
        return trouve.isEmpty() ? QStandardPaths::findExecutable(programme, {"/usr/sbin"}) : trouve;
    }
    static QString cupsd() { return executable("cupsd"); }
    static void restaure(const char* nom, const QByteArray& valeur) {
        if (valeur.isNull())
            qunsetenv(nom);
        else
            qputenv(nom, valeur);
    }

    QString chemin(const QString& nom) const { return m_repertoire.filePath(nom); }

    bool ecrit(const QString& nom, const QString& texte) {
        QFile f(chemin(nom));
        return f.open(QIODevice::WriteOnly) && f.write(texte.toUtf8()) == texte.toUtf8().size();
    }

    bool prepare() {
        QDir racine(m_repertoire.path());
        for (const char* dossier : {"root", "spool", "cache", "state", "tmp", "log"})
            if (!racine.mkpath(dossier))
                return false;
        // The filters run as lp: they read the spool and write their temporary files here.
        const auto ouvert = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                            QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(m_repertoire.path(), ouvert);
        QFile::setPermissions(chemin("tmp"), ouvert | QFile::WriteGroup | QFile::WriteOther);
        const QString fichiers = QString("ServerRoot %1\n"
                                         "RequestRoot %2\n"
                                         "CacheDir %3\n"
                                         "StateDir %4\n"
                                         "TempDir %5\n"
                                         "AccessLog %6/access_log\n"
                                         "ErrorLog %6/error_log\n"
                                         "PageLog %6/page_log\n"
                                         "User lp\n"
                                         "Group lp\n"
                                         "SystemGroup root\n")
                                     .arg(chemin("root"), chemin("spool"), chemin("cache"),
                                          chemin("state"), chemin("tmp"), chemin("log"));
        const QString serveur = QString("Listen %1\n"
                                        "LogLevel info\n"
                                        "WebInterface No\n"
                                        "Browsing No\n"
                                        "DefaultAuthType None\n"
                                        "<Location />\n  Order allow,deny\n  Allow all\n"
                                        "</Location>\n"
                                        "<Policy default>\n  <Limit All>\n"
                                        "    Order deny,allow\n  </Limit>\n</Policy>\n")
                                    .arg(socket());
        return ecrit("root/cups-files.conf", fichiers) && ecrit("root/cupsd.conf", serveur);
    }

    bool attendPret() {
        const QDeadlineTimer limite(30000);
        while (!limite.hasExpired() && m_cupsd.state() == QProcess::Running) {
            if (lance("lpstat", {"-r"}).contains("scheduler is running") && m_ok)
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    QTemporaryDir m_repertoire{QDir::tempPath() + "/cups-XXXXXX"};
    QProcess m_cupsd;
    QByteArray m_precedentServeur;
    QByteArray m_precedentUtilisateur;
    QString m_erreur;
    bool m_environnement = false;
    bool m_pret = false;
    bool m_ok = false;
};
