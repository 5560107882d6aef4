#include "Database.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tansu::demo {

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Statement {
    sqlite3_stmt* stmt{nullptr};
    ~Statement() { sqlite3_finalize(stmt); }
};

} // namespace

Database::~Database() {
    sqlite3_close(m_db);
}

bool Database::open(const std::string& file, const std::string& dataDir, std::string& error) {
    auto guard = lock();
    if (sqlite3_open_v2(file.c_str(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        error = "cannot open database " + file + ": " + sqlite3_errmsg(m_db);
        return false;
    }
    sqlite3_busy_timeout(m_db, 2000);
    try {
        auto seeded = query("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'station'");
        if (!seeded.empty() && seeded[0][0] != "0" && query("SELECT count(*) FROM station")[0][0] != "0")
            return true;
        namespace fs = std::filesystem;
        fs::path dir(dataDir);
        if (!fs::is_directory(dir)) {
            error = "data folder not found: " + dataDir;
            return false;
        }
        runScript(readFile(dir / "schema.sql"));
        std::vector<fs::path> seeds;
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (entry.path().extension() == ".sql" && entry.path().filename() != "schema.sql")
                seeds.push_back(entry.path());
        }
        std::sort(seeds.begin(), seeds.end());
        for (const auto& seed : seeds)
            runScript(readFile(seed));
    } catch (const std::exception& e) {
        error = std::string("cannot seed the database: ") + e.what();
        return false;
    }
    return true;
}

void Database::runScript(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw std::runtime_error(text);
    }
}

std::vector<Row> Database::query(const std::string& sql, const std::vector<std::string>& args) {
    auto guard = lock();
    Statement statement;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), static_cast<int>(sql.size()), &statement.stmt, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error(std::string("SQL error: ") + sqlite3_errmsg(m_db));
    for (std::size_t i = 0; i < args.size(); ++i)
        sqlite3_bind_text(statement.stmt, static_cast<int>(i + 1), args[i].data(),
                          static_cast<int>(args[i].size()), SQLITE_TRANSIENT);
    std::vector<Row> rows;
    int columns = sqlite3_column_count(statement.stmt);
    for (;;) {
        int rc = sqlite3_step(statement.stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            throw std::runtime_error(std::string("SQL error: ") + sqlite3_errmsg(m_db));
        Row row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            const unsigned char* text = sqlite3_column_text(statement.stmt, c);
            row.emplace_back(text ? reinterpret_cast<const char*>(text) : "",
                             static_cast<std::size_t>(sqlite3_column_bytes(statement.stmt, c)));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

int Database::execute(const std::string& sql, const std::vector<std::string>& args) {
    auto guard = lock();
    query(sql, args);
    return sqlite3_changes(m_db);
}

} // namespace tansu::demo
