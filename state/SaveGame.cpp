#include "state/SaveGame.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "platform/Platform.h"
#include "state/Gbk.h"
#include "state/StateLayout.h"

namespace {

constexpr int kGridLast = GameState::kGridSize - 1;

void Fail(std::string* why, std::string msg) {
    if (why) *why = std::move(msg);
}

// ---- writing ----

bool AppendField(std::string& out, const Value& v, std::string* why) {
    switch (v.kind()) {
    case Value::Kind::Empty: return true;
    case Value::Kind::Int:
    case Value::Kind::Real: out += v.asText(); return true;
    case Value::Kind::Text: {
        const std::string& t = v.text();
        // A quote would end the field early and shift every later one.
        // Line breaks are fine: the news articles hold them, and a quoted
        // field runs to its closing quote.
        if (t.find('"') != std::string::npos) {
            Fail(why, "a text holds a double quote: " + t);
            return false;
        }
        out += '"';
        out += t;
        out += '"';
        return true;
    }
    }
    return true;
}

// ---- reading ----

class FieldReader {
public:
    explicit FieldReader(std::string_view text) : s_(text) {}

    // The next field; false at the end of the file or on a broken field.
    bool next(Value& v, std::string* why) {
        if (atLineStart_) {
            if (pos_ >= s_.size()) {
                Fail(why, "the file ends early");
                return false;
            }
            atLineStart_ = false;
        }
        std::size_t end = pos_;
        if (pos_ < s_.size() && s_[pos_] == '"') {
            std::size_t close = s_.find('"', pos_ + 1);
            if (close == std::string_view::npos) {
                Fail(why, "a text field has no closing quote");
                return false;
            }
            v = Value(std::string(s_.substr(pos_ + 1, close - pos_ - 1)));
            end = close + 1;
            while (end < s_.size() && s_[end] != ',' && s_[end] != '\r' && s_[end] != '\n') ++end;
        } else {
            while (end < s_.size() && s_[end] != ',' && s_[end] != '\r' && s_[end] != '\n') ++end;
            std::string_view raw = s_.substr(pos_, end - pos_);
            while (!raw.empty() && raw.front() == ' ') raw.remove_prefix(1);
            while (!raw.empty() && raw.back() == ' ') raw.remove_suffix(1);
            if (raw.empty())
                v = Value();
            else if (!ParseNumber(raw, v))
                v = Value(std::string(raw));
        }
        pos_ = end;
        if (pos_ < s_.size() && s_[pos_] == ',') {
            ++pos_;
        } else {
            // Line end (CR LF, or a bare LF) or the end of the file.
            if (pos_ < s_.size() && s_[pos_] == '\r') ++pos_;
            if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
            atLineStart_ = true;
        }
        return true;
    }

private:
    std::string_view s_;
    std::size_t pos_ = 0;
    bool atLineStart_ = true;
};

bool WholeInRange(const Value& v, long long lo, long long hi) {
    if (!v.isNumber()) return false;
    double d = v.asReal();
    if (d != static_cast<double>(static_cast<long long>(d))) return false;
    return d >= static_cast<double>(lo) && d <= static_cast<double>(hi);
}

bool Store(const ColumnDef& c, Value& cell, Value v, std::string* why) {
    if (c.ranged) {
        bool ok = v.isEmpty() ? c.emptyOk : WholeInRange(v, c.lo, c.hi);
        if (!ok) {
            Fail(why, std::string(c.name) + " holds \"" + v.asText() + "\", out of its range");
            return false;
        }
    }
    cell = std::move(v);
    return true;
}

}  // namespace

bool SerializeGame(const GameState& g, std::string& bytes, std::string* why) {
    const SaveLayout& L = Layout();
    std::string out;
    out.reserve(256 * 1024);
    auto endLine = [&] { out += "\r\n"; };
    auto field = [&](const Value& v, bool first) {
        if (!first) out += ',';
        return AppendField(out, v, why);
    };

    out += '"';
    out += kFormatVersion;
    out += '"';
    endLine();
    for (const auto& line : L.headLines) {
        bool first = true;
        for (const ColumnDef* c : line) {
            if (!field(c->at(g, 0), first)) return false;
            first = false;
        }
        endLine();
    }
    out += std::to_string(g.FloorGrid[kGridLast][kGridLast]);
    endLine();

    for (const SaveGroup& grp : L.groups) {
        if (grp.ledger) {
            for (int p = 0; p < 3; ++p)
                for (int c = 0; c < 11; ++c) {
                    out += g.Ledger.Income[c][p].toText();
                    out += ',';
                    out += g.Ledger.Expense[c][p].toText();
                    endLine();
                }
            continue;
        }
        int last = grp.fixedLast;
        if (grp.counter) {
            const Value& count = grp.counter->at(g, 0);
            if (!field(count, true)) return false;
            endLine();
            if (!(count.isEmpty() || WholeInRange(count, 0, grp.capacity()))) {
                Fail(why, std::string(grp.counter->name) + " is past its table's capacity");
                return false;
            }
            last = static_cast<int>(count.asInt());
        }
        for (int i = 0; i <= last; ++i)
            for (const auto& line : grp.lines) {
                bool first = true;
                for (const FieldRef& f : line) {
                    if (!field(f.col->at(g, i, f.sub), first)) return false;
                    first = false;
                }
                endLine();
            }
    }
    if (!Utf8ToGbk(out, bytes)) {
        Fail(why, "a text cannot be written in GBK");
        return false;
    }
    return true;
}

bool DeserializeGame(std::string_view gbk, GameState& g, std::string* why) {
    std::string text;
    if (!GbkToUtf8(gbk, text)) {
        Fail(why, "the file is not GBK text");
        return false;
    }
    const SaveLayout& L = Layout();
    FieldReader in(text);
    Value v;

    if (!in.next(v, why)) return false;  // the format field is read and not looked at
    for (const auto& line : L.headLines)
        for (const ColumnDef* c : line) {
            if (!in.next(v, why) || !Store(*c, c->at(g, 0), std::move(v), why)) return false;
        }
    if (!in.next(v, why)) return false;
    if (v.isEmpty()) {
        g.FloorGrid[kGridLast][kGridLast] = 0;
    } else if (WholeInRange(v, 0, 100000)) {
        g.FloorGrid[kGridLast][kGridLast] = static_cast<std::int32_t>(v.asInt());
    } else {
        Fail(why, "the floor grid cell is not a cell value");
        return false;
    }

    for (const SaveGroup& grp : L.groups) {
        if (grp.ledger) {
            for (int p = 0; p < 3; ++p)
                for (int c = 0; c < 11; ++c)
                    for (auto* table : {&g.Ledger.Income, &g.Ledger.Expense}) {
                        if (!in.next(v, why)) return false;
                        Money m;
                        if (!v.isEmpty() && !(v.isNumber() && Money::Parse(v.asText(), m))) {
                            Fail(why, "a ledger cell is not a number");
                            return false;
                        }
                        (*table)[c][p] = m;
                    }
            continue;
        }
        int last = grp.fixedLast;
        if (grp.counter) {
            if (!in.next(v, why)) return false;
            if (!(v.isEmpty() || WholeInRange(v, 0, grp.capacity()))) {
                Fail(why, std::string(grp.counter->name) + " is not a count of its table (\"" + v.asText() + "\")");
                return false;
            }
            last = static_cast<int>(v.asInt());
            grp.counter->at(g, 0) = std::move(v);
        }
        for (int i = 0; i <= last; ++i)
            for (const auto& line : grp.lines)
                for (const FieldRef& f : line) {
                    if (!in.next(v, why) || !Store(*f.col, f.col->at(g, i, f.sub), std::move(v), why)) return false;
                }
    }
    return true;
}

namespace {

bool WriteWhole(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes to a temporary file beside the target and renames it over the
// target only when it is complete, so a failure never costs the old file.
bool ReplaceFile(const std::string& path, const std::string& bytes) {
    std::string tmp = path + ".tmp-XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return false;
    bool ok = WriteWhole(fd, bytes) && ::fsync(fd) == 0;
    ::fchmod(fd, 0644);
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

}  // namespace

SaveResult WriteSaveFile(const GameState& g, const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        if (Ui().MessageBox(kOverwriteQuestion, MsgStyle::OverwriteQuestion, "") != MsgAnswer::Yes)
            return SaveResult::Declined;
    }
    std::string bytes;
    if (!SerializeGame(g, bytes) || !ReplaceFile(path, bytes)) {
        Ui().MessageBox(kWriteErrorText, MsgStyle::Exclamation, "");
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

bool ReadSaveFile(GameState& g, const std::string& path, std::string* why) {
    std::ifstream f(path, std::ios::binary);
    std::string bytes;
    bool ok = static_cast<bool>(f);
    if (!ok) Fail(why, "the file cannot be opened");
    if (ok) {
        bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
        ok = !f.bad();
    }
    if (ok) {
        auto copy = std::make_unique<GameState>(g);
        ok = DeserializeGame(bytes, *copy, why);
        if (ok) g = std::move(*copy);
    }
    if (!ok) Ui().MessageBox(kReadErrorText, MsgStyle::Exclamation, kReadErrorTitle);
    return ok;
}
