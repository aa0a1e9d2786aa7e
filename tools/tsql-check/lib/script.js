'use strict';
// Reads the dry-run script of the upgrade: batches separated by lines "GO",
// each version's statements preceded by a comment line "-- version N" written
// outside any batch, and remarks ("-- errors ignored", "-- read: no rows in a
// dry run") as comment lines at the head of a statement's batch. Statements
// join their own lines with CR LF, so a line "GO" ending in CR belongs to a
// statement, not to the script.

const VERSION_MARK = /^-- version (\d+)$/;
const REMARK = /^-- (.*)$/;

// { batches, versions }: the versions marked, in order, and the batches of
// `text` in order, each { version, position, line, remarks, sql },
// where position counts the batches since the version mark from 1, line is the
// script line the statement starts on, and sql is the statement without the
// remark lines. Text after the last "GO" is returned as a batch with
// `unterminated` set.
function readScript(text) {
  const lines = text.split('\n');
  if (lines.length && lines[lines.length - 1] === '') lines.pop();
  const batches = [];
  const versions = [];
  let version = null;
  let position = 0;
  let pending = null;  // the batch being read: remarks first, then the statement's lines

  const finish = (unterminated) => {
    const batch = pending;
    pending = null;
    position += 1;
    batches.push({
      version, position, line: batch.line, remarks: batch.remarks,
      sql: batch.body.join('\n'), unterminated,
    });
  };

  lines.forEach((line, index) => {
    if (line === 'GO') {
      if (!pending) pending = { line: index + 1, remarks: [], body: [] };
      finish(false);
      return;
    }
    if (!pending || pending.body.length === 0) {
      const mark = VERSION_MARK.exec(line);
      if (mark && (!pending || pending.remarks.length === 0)) {
        version = Number(mark[1]);
        versions.push(version);
        position = 0;
        pending = null;
        return;
      }
      const remark = REMARK.exec(line);
      if (remark) {
        if (!pending) pending = { line: index + 2, remarks: [], body: [] };
        pending.remarks.push(remark[1]);
        pending.line = index + 2;
        return;
      }
    }
    if (!pending) pending = { line: index + 1, remarks: [], body: [] };
    if (pending.body.length === 0) pending.line = index + 1;
    pending.body.push(line);
  });
  if (pending && pending.body.some((l) => l.trim() !== '')) finish(true);
  return { batches, versions };
}

module.exports = { readScript };
