#pragma once

#include <QString>

#include <functional>

// The program's rule for a free file name: "dir/base.suffix" when free, else
// the first free "dir/base_N.suffix" with N counting from 1. `fileName` is
// split at its last "."; a name without one gets no suffix ("dir/name",
// "dir/name_1", ...). Gaps are not filled backwards: the walk stops at the
// first free candidate.
//
// `taken` says whether a candidate path is in use; the plain form asks
// whether a file of that name exists. Nothing is created, so a caller that
// must own the name creates it exclusively and walks again when it lost.
QString uniqueFileName(const QString& fileName, const QString& dir);
QString uniqueFileName(const QString& fileName, const QString& dir,
                       const std::function<bool(const QString& path)>& taken);
