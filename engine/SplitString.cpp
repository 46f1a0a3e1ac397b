#include "engine/SplitString.h"

#include <array>
#include <cstddef>
#include <exception>
#include <utility>
#include <vector>

namespace poker {

namespace {

// Thrown inside the splitter to take its failure path; never leaves it.
struct SplitRaised {
    int number;
};

// Finds the delimiters of a text from left to right, in one pass over it.
// A character set tests each character in a table; a whole delimiter string
// is found with Knuth-Morris-Pratt, so a long or repetitive delimiter never
// makes the scan quadratic.
class DelimiterScan {
public:
    DelimiterScan(const std::string& text, const std::string& delimiters, bool anyChar,
                  bool overlapping)
        : text_(text), delim_(delimiters), anyChar_(anyChar), overlapping_(overlapping) {
        if (anyChar_) {
            for (unsigned char c : delim_) isDelimiter_[c] = true;
        } else if (!delim_.empty()) {
            // fail_[i]: length of the longest proper border of delim_[0..i].
            fail_.assign(delim_.size(), 0);
            for (std::size_t i = 1, k = 0; i < delim_.size(); ++i) {
                while (k > 0 && delim_[i] != delim_[k]) k = fail_[k - 1];
                if (delim_[i] == delim_[k]) ++k;
                fail_[i] = k;
            }
        }
    }

    std::size_t length() const { return anyChar_ ? 1 : delim_.size(); }

    // The start of the next delimiter, or false at the end of the text.
    bool next(std::size_t& at) {
        if (anyChar_) {
            while (pos_ < text_.size()) {
                const std::size_t i = pos_++;
                if (isDelimiter_[static_cast<unsigned char>(text_[i])]) {
                    at = i;
                    return true;
                }
            }
            return false;
        }
        if (delim_.empty()) return false;
        const std::size_t m = delim_.size();
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            while (matched_ > 0 && c != delim_[matched_]) matched_ = fail_[matched_ - 1];
            if (c == delim_[matched_]) ++matched_;
            if (matched_ == m) {
                at = pos_ - m;
                // Overlapping: the next search starts at the occurrence's
                // second character, which the border carries over.
                matched_ = overlapping_ ? fail_[m - 1] : 0;
                return true;
            }
        }
        return false;
    }

private:
    const std::string& text_;
    const std::string& delim_;
    bool anyChar_;
    bool overlapping_;
    std::array<bool, 256> isDelimiter_{};
    std::vector<std::size_t> fail_;
    std::size_t pos_ = 0;
    std::size_t matched_ = 0;
};

// Adds items under "String1", "String2", ... with a 16-bit item counter.
class ItemSink {
public:
    explicit ItemSink(KeyedCollection& collection) : collection_(collection) {}

    void add(std::string item) {
        if (next_ > kSplitMaxItems) throw SplitRaised{6};  // the counter would overflow
        if (!collection_.add("String" + std::to_string(next_), std::move(item)))
            throw SplitRaised{457};  // the key is already held
        ++next_;
    }

private:
    KeyedCollection& collection_;
    int next_ = 1;
};

void split(KeyedCollection& collection, const std::string& text, const std::string& delimiters,
           int mode, int treatment) {
    if (mode != splitAnyChar && mode != splitWholeString)
        throw SplitRaised{kSplitOptionsFailure.number};
    const bool validTreatment = treatment == delimDrop || treatment == delimAsItem ||
                                treatment == delimEndsPiece || treatment == delimStartsPiece;
    const bool anyChar = mode == splitAnyChar;
    const bool overlapping = !anyChar && treatment == delimStartsPiece;

    ItemSink sink(collection);
    DelimiterScan scan(text, delimiters, anyChar, overlapping);
    const std::size_t len = scan.length();

    // start: where the text not yet given out begins. For delimStartsPiece
    // it is the start of the delimiter that opens the pending item.
    std::size_t start = 0;
    std::size_t at = 0;
    bool first = true;
    while (scan.next(at)) {
        if (!validTreatment) throw SplitRaised{kSplitOptionsFailure.number};
        if (treatment == delimStartsPiece) {
            if (at > start) sink.add(text.substr(start, at - start));
            if (first && at == 0 && anyChar) {
                // A leading delimiter is an item of its own; the piece after
                // it follows without a delimiter in front.
                sink.add(text.substr(0, len));
                start = len;
            } else {
                start = at;
            }
        } else {
            std::string piece = text.substr(start, at - start);
            switch (treatment) {
                case delimDrop:
                    if (!piece.empty()) sink.add(std::move(piece));
                    break;
                case delimAsItem:
                    if (!piece.empty()) sink.add(std::move(piece));
                    sink.add(text.substr(at, len));
                    break;
                default:  // delimEndsPiece
                    piece.append(text, at, len);
                    sink.add(std::move(piece));
                    break;
            }
            start = at + len;
        }
        first = false;
    }
    if (text.size() > start) sink.add(text.substr(start));
}

}  // namespace

void SplitString(KeyedCollection& collection, std::string text, std::string delimiters,
                 std::int16_t splitOptions) {
    const std::size_t heldBefore = collection.count();
    try {
        split(collection, text, delimiters, splitOptions & 3, splitOptions & 28);
    } catch (...) {
        // The failure path: take back this call's items (all at once, not one
        // key at a time) and give the caller the whole text as one item.
        try {
            collection.truncate(heldBefore);
            collection.add("String1", std::move(text));
        } catch (...) {
            // Out of memory even here: the collection keeps what it holds.
        }
    }
}

}  // namespace poker
