#pragma once

#include <QString>

// The folder the program runs in, with its four sub-folders skins, lang,
// prazdniki and system. Paths are given relative to it in the stored form
// ("\system\system.ini"); each part is looked up without regard to case, since
// the files come from an installation that did not care ("\Skins\" and
// "\skins\" name one folder).
class ProgramFolder {
  public:
    ProgramFolder() = default;
    explicit ProgramFolder(QString root);

    const QString& root() const { return root_; }

    // The on-disk path of `relative` (backslashes or slashes). Parts that
    // exist under another case resolve to that spelling; missing parts keep
    // the given spelling, so the result is also the path to create.
    QString path(const QString& relative) const;

    static QString resolve(const QString& root, const QString& relative);

  private:
    QString root_;
};
