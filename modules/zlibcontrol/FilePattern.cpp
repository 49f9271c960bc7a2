#include "FilePattern.h"

bool FilePattern::hasWildcards(const QString& name)
{
    return name.contains(u'*') || name.contains(u'?') || name.contains(u'#');
}

bool FilePattern::matches(const QString& pattern, const QString& name)
{
    // Greedy matching with one backtrack point for the last "*".
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        const QChar c = p < pattern.size() ? pattern.at(p) : QChar();
        const bool single = c == u'?' || (c == u'#' && (name.at(n).isDigit() || name.at(n) == u'#'))
                            || (p < pattern.size() && c != u'*' && c != u'#' && c == name.at(n));
        if (single) {
            ++p;
            ++n;
        } else if (c == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == u'*')
        ++p;
    return p == pattern.size();
}
