#pragma once
// The application object Qt's SQL plugins need, and a second connection of our own to look at
// (or lock) a history file from outside PlayHistory.

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <string>

namespace varnholt::testing {

inline void ensureCoreApp()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "history_tests";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv); // lives until the process ends
}

class RawDatabase {
public:
    explicit RawDatabase(const std::string &path)
    {
        ensureCoreApp();
        static int next = 0;
        name_ = QStringLiteral("raw-%1").arg(next++);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(QString::fromStdString(path));
        db.open();
    }
    ~RawDatabase() { QSqlDatabase::removeDatabase(name_); }
    RawDatabase(const RawDatabase &) = delete;
    RawDatabase &operator=(const RawDatabase &) = delete;

    // Runs `sql`; the first column of its first row, or an invalid value.
    QVariant value(const char *sql)
    {
        QSqlQuery query(QSqlDatabase::database(name_));
        if (!query.exec(QString::fromUtf8(sql)) || !query.next())
            return {};
        return query.value(0);
    }
    bool exec(const char *sql)
    {
        QSqlQuery query(QSqlDatabase::database(name_));
        return query.exec(QString::fromUtf8(sql));
    }

private:
    QString name_;
};

} // namespace varnholt::testing
