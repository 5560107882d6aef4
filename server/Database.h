// The demo back end's SQLite database: made from the seed files of the data
// folder at start (in memory, or in a file given with --db), then read by the
// actions and written by accounts, favourites, anonymous ids and feedback.
//
// Every call takes the database's lock, so request threads may share one
// Database; a check followed by a write takes lock() around both.
#pragma once

#include <mutex>
#include <string>
#include <vector>

struct sqlite3;

namespace tansu::demo {

using Row = std::vector<std::string>;

class Database {
public:
    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the file (":memory:" for a private in-memory database). When it
    // holds no city yet, runs "schema.sql" of the data folder and then every
    // other "*.sql" file there in name order. Returns false and sets error.
    bool open(const std::string& file, const std::string& dataDir, std::string& error);

    // Runs one statement with text arguments bound to its "?" places; answers
    // the rows, every column as text (NULL as ""). Throws std::runtime_error.
    std::vector<Row> query(const std::string& sql, const std::vector<std::string>& args = {});
    // Runs one statement and answers the number of rows it changed.
    int execute(const std::string& sql, const std::vector<std::string>& args = {});

    std::unique_lock<std::recursive_mutex> lock() { return std::unique_lock(m_mutex); }

private:
    void runScript(const std::string& sql);

    sqlite3* m_db{nullptr};
    std::recursive_mutex m_mutex;
};

} // namespace tansu::demo
