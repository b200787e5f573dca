// Statements of one connection prepared once and run again. SQLite parses a statement anew on
// each prepare; for the Verlauf window's minute that parsing took about a third of the time.
#pragma once

#include <QSqlQuery>
#include <QString>
#include <map>
#include <memory>

class PreparedStatements {
    struct Kept {
        QSqlQuery query;
        bool inUse = false;
    };

public:
    // A statement in use. When it goes, the statement is finished (its rows let go), so that no
    // read stays open on the archive between two uses.
    class Use {
    public:
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;
        ~Use();
        explicit operator bool() const { return query_ != nullptr; }
        QSqlQuery& operator*() const { return *query_; }
        QSqlQuery* operator->() const { return query_; }

    private:
        friend class PreparedStatements;
        Use() = default;  // no statement: it did not prepare
        explicit Use(Kept* kept) : kept_(kept), query_(&kept->query) {}
        explicit Use(std::unique_ptr<QSqlQuery> own) : own_(std::move(own)), query_(own_.get()) {}
        Kept* kept_ = nullptr;
        std::unique_ptr<QSqlQuery> own_;  // a second use of a statement while the first runs
        QSqlQuery* query_ = nullptr;
    };

    explicit PreparedStatements(QString connection) : connection_(std::move(connection)) {}

    // The statement for `sql`, forward only, prepared on its first use; empty when it does not
    // prepare (the archive cannot be read). The texts are the reader's own, built from a fixed set
    // of quantities and buckets, so the statements kept stay few.
    Use use(const QString& sql);

private:
    std::unique_ptr<QSqlQuery> prepared(const QString& sql) const;

    QString connection_;
    std::map<QString, Kept> kept_;  // a map: what a Use points to stays where it is
};
