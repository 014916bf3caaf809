#pragma once

class CommandRegistry;
class LinkTable;
class MainMessages;
class ProgramFiles;
struct ProgramState;

// What start-up leaves until the window shows (`Timer4`, once): the link groups' titles,
// the Word templates' paths, the link table button, and the mark on the user's own
// language.
namespace DeferredStartup {

void run(LinkTable &linkTable, ProgramState &state, const ProgramFiles &files,
         CommandRegistry &registry, const MainMessages &messages);

} // namespace DeferredStartup
