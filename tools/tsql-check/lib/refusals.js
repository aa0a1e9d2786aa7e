'use strict';
// Forms the grammar accepts but SQL Server refuses. Each check returns the
// refusal ({ line, column, message }) or null.

const { TSqlLexer: T, TSqlParser: P } = require('./grammar');

function at(tok, message) {
  return { line: tok.line, column: tok.charPositionInLine, message };
}

function* nodes(tree) {
  const stack = [tree];
  while (stack.length) {
    const node = stack.pop();
    yield node;
    for (let i = (node.childCount || 0) - 1; i >= 0; i--) stack.push(node.getChild(i));
  }
}

const isRule = (node, rule) => node && node.ruleIndex === rule;

// Nothing to send: the server has no statement to run.
function emptyStatement(tokens) {
  return tokens.length === 0 ? { line: 1, column: 0, message: 'empty statement' } : null;
}

// A quote or comment that is never closed runs to the end of the batch.
function unterminated(tokens) {
  for (let i = 0; i < tokens.length; i++) {
    const tok = tokens[i];
    if (tok.type === T.SINGLE_QUOTE) return at(tok, 'unterminated string');
    if (tok.type === T.DIVIDE && tokens[i + 1] && tokens[i + 1].type === T.STAR &&
        tokens[i + 1].startIndex === tok.stopIndex + 1) {
      return at(tok, 'unterminated comment');
    }
  }
  return null;
}

// An unbracketed name may hold letters, digits, _, @, # and $ only: a
// full-width comma or parenthesis inside one is a typing slip, not a name.
const NAME_CHARACTERS = /^[\p{L}\p{Nd}_@#$]+$/u;
function fullWidthInName(tokens) {
  for (const tok of tokens) {
    if ((tok.type === T.ID || tok.type === T.LOCAL_ID) && !NAME_CHARACTERS.test(tok.text)) {
      const bad = [...tok.text].find((c) => !NAME_CHARACTERS.test(c));
      return at(tok, `'${bad}' inside the unbracketed name '${tok.text}'`);
    }
  }
  return null;
}

// BEGIN END with nothing between: SQL Server wants at least one statement.
function emptyBlock(tokens) {
  for (let i = 0; i + 1 < tokens.length; i++) {
    if (tokens[i].type !== T.BEGIN) continue;
    let j = i + 1;
    while (j < tokens.length && tokens[j].type === T.SEMI) j++;
    if (j < tokens.length && tokens[j].type === T.END) return at(tokens[j], 'empty BEGIN END block');
  }
  return null;
}

// GO separates batches for sqlcmd; a server given it as part of a statement fails.
function goInside(tokens) {
  const tok = tokens.find((t) => t.type === T.GO || t.type === T.GO_BATCH);
  return tok ? at(tok, 'GO inside a statement: the server does not know it') : null;
}

// Two column definitions with no comma between them (CREATE TABLE, ALTER
// TABLE ADD, table variables and table-valued function results). A table
// constraint may follow a column without a comma; a column may not.
function columnsWithoutComma(tree, tokens, source) {
  const isColumn = (node) => isRule(node, P.RULE_column_def_table_constraint) &&
    (isRule(node.getChild(0), P.RULE_column_definition) || isRule(node.getChild(0), P.RULE_materialized_column_definition));
  for (const node of nodes(tree)) {
    let previous = null;
    for (let i = 0; i < (node.childCount || 0); i++) {
      const child = node.getChild(i);
      if (isRule(child, P.RULE_column_def_table_constraint)) {
        if (previous && isColumn(previous) && isColumn(child)) {
          return at(child.start, `no comma between the column definitions '${source(previous)}' and '${source(child)}'`);
        }
        previous = child;
      } else {
        previous = null;  // a comma or any other token between them
      }
    }
  }
  return null;
}

// CREATE / ALTER of a view, procedure, function or trigger (and CREATE RULE,
// CREATE DEFAULT) must open its batch; a view, function, rule or default must
// also be alone in it.
const FIRST_IN_BATCH = new Map([
  [P.RULE_create_view, 'VIEW'],
  [P.RULE_create_or_alter_procedure, 'PROCEDURE'],
  [P.RULE_create_or_alter_function, 'FUNCTION'],
  [P.RULE_create_or_alter_trigger, 'TRIGGER'],
  [P.RULE_create_rule, 'RULE'],
]);
function batchPlacement(tree, tokens) {
  const first = tokens[0];
  for (const node of nodes(tree)) {
    const kind = FIRST_IN_BATCH.get(node.ruleIndex);
    if (kind === undefined) continue;
    if (node.start !== first && node.start.startIndex !== first.startIndex) {
      return at(node.start, `CREATE/ALTER ${kind} must be the first statement in its batch`);
    }
  }
  const batches = tree.children.filter((c) => isRule(c, P.RULE_batch));
  if (batches.length > 1) {
    for (const node of nodes(batches[0])) {
      const kind = FIRST_IN_BATCH.get(node.ruleIndex);
      if (kind !== undefined) {
        return at(batches[1].start, `CREATE/ALTER ${kind} must be the only statement in its batch`);
      }
    }
  }
  return null;
}

const TOKEN_CHECKS = [emptyStatement, goInside, unterminated, fullWidthInName, emptyBlock];
const TREE_CHECKS = [batchPlacement, columnsWithoutComma];

module.exports = { TOKEN_CHECKS, TREE_CHECKS };
