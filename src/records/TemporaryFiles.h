#pragma once

#include <QString>

namespace brevmark {

class FileSystem;

// Start-up care of the temporary files that rewrites leave when they are stopped half way (each
// is its file's name with "_" appended). A temporary file whose original exists is an unfinished
// rewrite and is removed. 條碼檔.zip_ without 條碼檔.zip is the earlier program's complete copy
// (it deleted the file before renaming the copy) and is put back as the record file. Any other
// temporary file without its original is an unfinished first write and is removed.
void tidyTemporaryFiles(FileSystem& files, const QString& recordsFolder);

} // namespace brevmark
