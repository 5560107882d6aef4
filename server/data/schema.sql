-- Tables of the demo back end. The seed files after this one fill them; the
-- server adds accounts, favourites, anonymous ids and feedback while it runs.
CREATE TABLE IF NOT EXISTS setting(key TEXT PRIMARY KEY, value TEXT NOT NULL);

CREATE TABLE IF NOT EXISTS station(
    code TEXT PRIMARY KEY, name TEXT NOT NULL, alias TEXT NOT NULL, address TEXT NOT NULL,
    district TEXT NOT NULL, latitude REAL NOT NULL, longitude REAL NOT NULL, qrcode TEXT NOT NULL UNIQUE);
CREATE TABLE IF NOT EXISTS line(
    name TEXT PRIMARY KEY, sort INTEGER NOT NULL, kind TEXT NOT NULL CHECK(kind IN ('normal', 'loop')),
    first_departure TEXT NOT NULL, last_departure TEXT NOT NULL,
    headway_seconds INTEGER NOT NULL CHECK(headway_seconds > 0), stop_seconds INTEGER NOT NULL CHECK(stop_seconds > 0));
CREATE TABLE IF NOT EXISTS line_stop(
    line TEXT NOT NULL, direction TEXT NOT NULL CHECK(direction IN ('上行', '下行', '环行')),
    seq INTEGER NOT NULL, code TEXT NOT NULL REFERENCES station(code), PRIMARY KEY(line, direction, seq));
CREATE TABLE IF NOT EXISTS place(name TEXT NOT NULL, latitude REAL NOT NULL, longitude REAL NOT NULL, address TEXT NOT NULL);

CREATE TABLE IF NOT EXISTS weather(id INTEGER PRIMARY KEY, text TEXT NOT NULL, icon TEXT NOT NULL);

CREATE TABLE IF NOT EXISTS charge_area(name TEXT PRIMARY KEY, sort INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS charge_point(area TEXT NOT NULL REFERENCES charge_area(name), sort INTEGER NOT NULL,
    name TEXT NOT NULL, address TEXT NOT NULL, latitude REAL NOT NULL, longitude REAL NOT NULL);

CREATE TABLE IF NOT EXISTS card(card_id TEXT PRIMARY KEY, kind TEXT NOT NULL CHECK(kind IN ('amount', 'count')), holder TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS charge_record(card_id TEXT NOT NULL, time TEXT NOT NULL, type TEXT NOT NULL,
    count INTEGER NOT NULL, amount TEXT NOT NULL, residual_amount TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS consumer_record(card_id TEXT NOT NULL, time TEXT NOT NULL, line TEXT NOT NULL,
    count INTEGER NOT NULL, amount TEXT NOT NULL, residual_count INTEGER NOT NULL, residual_amount TEXT NOT NULL,
    bus_number TEXT NOT NULL);

CREATE TABLE IF NOT EXISTS notice(feed TEXT NOT NULL CHECK(feed IN ('bus', 'lost', 'system')),
    time TEXT NOT NULL, title TEXT NOT NULL, content TEXT NOT NULL);

CREATE TABLE IF NOT EXISTS shop(extr_code TEXT PRIMARY KEY CHECK(length(extr_code) = 12),
    name TEXT NOT NULL, category TEXT NOT NULL, page_name TEXT NOT NULL, sort INTEGER NOT NULL,
    preview TEXT NOT NULL, picture TEXT NOT NULL, keywords TEXT NOT NULL,
    latitude REAL NOT NULL, longitude REAL NOT NULL, caller_id TEXT NOT NULL, script_file TEXT NOT NULL,
    phone TEXT NOT NULL, address TEXT NOT NULL, email TEXT NOT NULL, site TEXT NOT NULL, intro TEXT NOT NULL);

CREATE TABLE IF NOT EXISTS anonymous_user(uid TEXT PRIMARY KEY, created TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS account(userid TEXT PRIMARY KEY, username TEXT NOT NULL UNIQUE,
    password_md5 TEXT NOT NULL, email TEXT NOT NULL, mobile TEXT NOT NULL, created TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS favorite(userid TEXT NOT NULL, extr_code TEXT NOT NULL, time TEXT NOT NULL,
    PRIMARY KEY(userid, extr_code));

CREATE TABLE IF NOT EXISTS question(grp TEXT NOT NULL, name TEXT NOT NULL, tel TEXT NOT NULL, sex TEXT NOT NULL,
    question TEXT NOT NULL, answer TEXT NOT NULL, time TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS checkin(userid TEXT NOT NULL, extr_code TEXT NOT NULL, count INTEGER NOT NULL,
    PRIMARY KEY(userid, extr_code));
