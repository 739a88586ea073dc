// Setting up and inspecting list views by text commands, so that the tests build the same lists in
// their own process and, through list_view_host, in another one. One command a line, fields split by
// tabs; the answer is one line.
#pragma once

#include <string>

//   list <style> <extended style>         a 300 x 200 list view; answers its handle
//   column <list> <width> <caption>       appends a column
//   row <list> <text> <sub-item texts>... appends an item with its sub-items
//   item <list> <index> <image> <state image> <param> <indent>
//   select <list> <index>                 selects (and focuses) one more item
//   lock <list>                           the list refuses LVS_SINGLESEL from then on
//   send <window> <message> <wParam> <lParam>   a message without pointers; answers its result
//   answer <window> <message> <value>     the window answers that message with the value from then on
//   bkimage <list>                        the list keeps the background image path it is given
//   bkrecord <list>                       what it was given: flags;x offset;y offset;path
//   dump <list>                           every item: its texts, image, state bits, param and indent
//   texts <list>                          the texts of every item
//   style <list>                          the style word
//   destroy <list>
// Handles travel as decimal numbers.
std::string RunListCommand(const std::string &command);
