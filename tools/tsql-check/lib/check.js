'use strict';
// Checks one batch of T-SQL: lexes it, rewrites the SQL Server 2000 forms the
// grammar lacks, parses it, and applies the refusals the grammar misses.

const { tokenize, parseTokens } = require('./grammar');
const { rewrite } = require('./rewrite');
const { TOKEN_CHECKS, TREE_CHECKS } = require('./refusals');

// Long "expecting {...}" sets are cut to their first entries.
function shorten(message) {
  return message.replace(/^(extraneous|mismatched) input 'EOF'/, 'the batch ends too early,')
    .replace(/ at 'EOF'$/, ' at the end of the batch').replace(/\{([^{}]*)\}/g, (whole, inner) => {
    const items = inner.split(', ');
    if (items.length <= 8) return whole;
    return `{${items.slice(0, 8).join(', ')}, … ${items.length - 8} more}`;
  });
}

function byPosition(a, b) {
  return a.line - b.line || a.column - b.column;
}

// The first fault of `text` as { line, column, message }, or null when the
// batch is well formed. `rewrites: false` leaves out the rewrites of SQL
// Server 2000 forms (the tests use it to show that each one is needed).
function checkBatch(text, { rewrites = true } = {}) {
  const lexed = tokenize(text);
  for (const check of TOKEN_CHECKS) {
    const refusal = check(lexed.tokens);
    if (refusal) return refusal;
  }
  const tokens = rewrites ? rewrite(lexed.tokens) : lexed.tokens;
  const parsed = parseTokens(tokens);
  const errors = [...lexed.errors, ...parsed.errors].sort(byPosition);
  if (errors.length) return { ...errors[0], message: shorten(errors[0].message) };
  const codePoints = Array.from(text);
  const source = (ctx) => codePoints.slice(ctx.start.startIndex, ctx.stop.stopIndex + 1).join('');
  for (const check of TREE_CHECKS) {
    const refusal = check(parsed.tree, tokens, source);
    if (refusal) return refusal;
  }
  return null;
}

module.exports = { checkBatch };
