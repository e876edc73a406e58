// Removal of the temporary files that an interrupted save leaves beside a settings or points file.
#pragma once

class QString;

// A save writes "<file>.XXXXXX" (six random letters) and renames it over the file; a process
// killed between the two leaves it behind. Removes every such sibling of filePath.
void removeSaveLeftovers(const QString &filePath);
