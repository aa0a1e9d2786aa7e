#!/usr/bin/env node
'use strict';
// Parses every statement of a dry-run upgrade script with the T-SQL grammar.
//   node check.js SCRIPT.sql
// Prints each statement that fails, with its version, its position in the
// version's step, its first 100 characters and the parser's message; exits
// with status 1 when any statement fails, 2 when the script cannot be read.

const fs = require('node:fs');
const { readScript } = require('./lib/script');

function preview(sql) {
  return Array.from(sql).slice(0, 100).join('').replace(/\r?\n/g, ' ');
}

function describe(batch, fault) {
  const where = batch.version === null ? 'before the first version mark' : `version ${batch.version}`;
  const flags = batch.remarks.length ? ` [${batch.remarks.join('; ')}]` : '';
  return `${where}, statement ${batch.position} (script line ${batch.line})${flags}: ${preview(batch.sql)}\n` +
         `    line ${fault.line}:${fault.column} ${fault.message}`;
}

function main(argv) {
  if (argv.length !== 1) {
    process.stderr.write('usage: check.js SCRIPT.sql\n');
    return 2;
  }
  let text;
  try {
    text = fs.readFileSync(argv[0], 'utf8');
  } catch (e) {
    process.stderr.write(`cannot read ${argv[0]}: ${e.message}\n`);
    return 2;
  }
  const { checkBatch } = require('./lib/check');
  const { batches, versions } = readScript(text);
  let failed = 0;
  for (const batch of batches) {
    const fault = batch.unterminated
      ? { line: 1, column: 0, message: 'the script ends without GO after this statement' }
      : checkBatch(batch.sql);
    if (!fault) continue;
    failed += 1;
    process.stdout.write(describe(batch, fault) + '\n');
  }
  const passed = batches.length - failed;
  process.stdout.write(`T-SQL check of ${argv[0]}: ${batches.length} statements, ${versions.length} versions\n`);
  if (versions.length === 0) {
    // the whole road marks every version it runs, even one that sends nothing
    process.stdout.write('no line "-- version N" in the script: it is not the dry run of an upgrade\n');
  }
  process.stdout.write(`${passed} passed, ${failed} failed\n`);
  return failed || versions.length === 0 ? 1 : 0;
}

process.exitCode = main(process.argv.slice(2));
