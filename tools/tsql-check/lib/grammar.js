'use strict';
// Loads the T-SQL lexer and parser of the antlr4ts-sql package and runs them
// over one batch of text.

const path = require('node:path');

function loadPackage() {
  let packageDir;
  try {
    packageDir = path.dirname(require.resolve('antlr4ts-sql/package.json'));
  } catch (e) {
    throw new Error('the T-SQL grammar package is not installed: run `bash scripts/setup.sh` ' +
                    '(or `npm ci` in tools/tsql-check)');
  }
  const grammarDir = path.join(packageDir, 'dist', 'src', 'grammar-output', 'tsql');
  return {
    antlr: require('antlr4ts'),
    atn: require('antlr4ts/atn'),
    errors: require('antlr4ts/BailErrorStrategy'),
    TSqlLexer: require(path.join(grammarDir, 'TSqlLexer')).TSqlLexer,
    TSqlParser: require(path.join(grammarDir, 'TSqlParser')).TSqlParser,
  };
}

const pkg = loadPackage();
const { CharStreams, CommonTokenStream, ListTokenSource } = pkg.antlr;
const { TSqlLexer, TSqlParser } = pkg;

// The grammar spells its keywords in upper case; SQL Server does not care.
// The lexer sees ASCII letters upper-cased while token texts keep the original.
class UpperCaseCharStream {
  constructor(inner) { this.inner = inner; }
  LA(i) {
    const c = this.inner.LA(i);
    return c >= 97 && c <= 122 ? c - 32 : c;
  }
  consume() { this.inner.consume(); }
  mark() { return this.inner.mark(); }
  release(marker) { this.inner.release(marker); }
  get index() { return this.inner.index; }
  seek(index) { this.inner.seek(index); }
  get size() { return this.inner.size; }
  get sourceName() { return this.inner.sourceName; }
  getText(interval) { return this.inner.getText(interval); }
}

// Collects the first errors of a lexer or parser run.
class ErrorCollector {
  constructor() { this.errors = []; }
  syntaxError(recognizer, offendingSymbol, line, charPositionInLine, msg) {
    this.errors.push({ line, column: charPositionInLine, message: msg });
  }
}

// The tokens of `text` that the parser sees (comments and blanks dropped), and
// the lexer's errors.
function tokenize(text) {
  const lexer = new TSqlLexer(new UpperCaseCharStream(CharStreams.fromString(text)));
  const collector = new ErrorCollector();
  lexer.removeErrorListeners();
  lexer.addErrorListener(collector);
  const tokens = lexer.getAllTokens().filter((t) => t.channel === 0);
  return { tokens, errors: collector.errors };
}

// Parses a list of tokens as one batch (a tsql_file). Tries the fast SLL
// prediction first and falls back to full LL only when that fails, which gives
// the same verdict as LL alone.
function parseTokens(tokens) {
  const { PredictionMode } = pkg.atn;
  const { BailErrorStrategy } = pkg.errors;
  const fast = new TSqlParser(new CommonTokenStream(new ListTokenSource(tokens)));
  fast.removeErrorListeners();
  fast.errorHandler = new BailErrorStrategy();
  fast.interpreter.setPredictionMode(PredictionMode.SLL);
  try {
    return { tree: fast.tsql_file(), parser: fast, errors: [] };
  } catch (e) {
    // fall through to the full parse, which also gives the messages
  }
  const full = new TSqlParser(new CommonTokenStream(new ListTokenSource(tokens)));
  const collector = new ErrorCollector();
  full.removeErrorListeners();
  full.addErrorListener(collector);
  full.interpreter.setPredictionMode(PredictionMode.LL);
  const tree = full.tsql_file();
  return { tree, parser: full, errors: collector.errors };
}

module.exports = { TSqlLexer, TSqlParser, tokenize, parseTokens };
