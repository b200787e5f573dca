#include "archive/prepared_statements.h"

#include <QSqlDatabase>

PreparedStatements::Use::~Use() {
    if (!query_)
        return;
    query_->finish();
    if (kept_)
        kept_->inUse = false;
}

std::unique_ptr<QSqlQuery> PreparedStatements::prepared(const QString& sql) const {
    auto query = std::make_unique<QSqlQuery>(QSqlDatabase::database(connection_, false));
    query->setForwardOnly(true);
    if (!query->prepare(sql))
        return nullptr;
    return query;
}

PreparedStatements::Use PreparedStatements::use(const QString& sql) {
    auto it = kept_.find(sql);
    if (it == kept_.end()) {
        std::unique_ptr<QSqlQuery> query = prepared(sql);
        if (!query)
            return Use();
        it = kept_.emplace(sql, Kept{std::move(*query)}).first;
    }
    if (it->second.inUse)
        return Use(prepared(sql));
    it->second.inUse = true;
    return Use(&it->second);
}
