#pragma once

#include <QString>

namespace varnox::test {

// The layouts project files have had, oldest first.
enum class Layout { Oldest, Second, Version3, Version4, Version5, Version6, Version7, Version8 };

// Writes a project file of `layout` to `path`, built from SQL of its own (not
// from the program's schema or upgrade), with a few rows in every table: two
// readers, two keys, a profile with its assignment, a function, the
// always-zone and the settings rows of that layout. One setting carries a
// text of 50 characters, a reader's name an apostrophe. The file's
// last-write time is an hour back.
void writeProject(const QString& path, Layout layout);

// Runs statements on a project file, with the program's collation.
void execSql(const QString& path, const QString& sql);

// Adds `count` keys to a project file, so that it has some size.
void addKeys(const QString& path, int count);

// Adds the access profile `name` to the project at `path`: a change.
void addProfile(const QString& path, const QString& name = QStringLiteral("Reinigung"));

// How many access profiles of that name the project holds.
int profileCount(const QString& path, const QString& name = QStringLiteral("Reinigung"));

// The version the settings row "Version" names; -1 without one.
int layoutVersion(const QString& path);

// Writes `bytes` to `path`, making its folder; a test that cannot write it stops.
void writeBytes(const QString& path, const QByteArray& bytes);

// Adds `bytes` at the end of the file at `path`; a test that cannot stops.
void appendBytes(const QString& path, const QByteArray& bytes);

// The bytes of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// A digest of every row of every table, in table and row order: two files
// hold the same project exactly when their digests are equal.
QByteArray projectDigest(const QString& path);

// The result of PRAGMA integrity_check ("ok" for a sound file), or the
// reason the file could not be read at all.
QString integrityCheck(const QString& path);

}  // namespace varnox::test
