'use strict';
// Token-level rewrites of SQL Server 2000 forms that the grammar does not know
// into equivalents that it does. Each rewrite matches its form exactly and
// leaves anything else alone, so that a misspelt or malformed form still
// reaches the parser unchanged and fails there. Tokens keep their positions,
// so the parser's messages point into the original text.

const { CommonToken } = require('antlr4ts');
const { TSqlLexer: T } = require('./grammar');

const upper = (tok) => (tok ? (tok.text || '').toUpperCase() : '');
const isWord = (tok, word) => !!tok && upper(tok) === word && tok.type !== T.SQUARE_BRACKET_ID &&
  tok.type !== T.DOUBLE_QUOTE_ID && tok.type !== T.STRING;
const isType = (tok, type) => !!tok && tok.type === type;

// SQL Server's reserved words: never a name unless bracketed or quoted.
const RESERVED = new Set(`ADD ALL ALTER AND ANY AS ASC AUTHORIZATION BACKUP BEGIN BETWEEN BREAK BROWSE BULK BY
  CASCADE CASE CHECK CHECKPOINT CLOSE CLUSTERED COALESCE COLLATE COLUMN COMMIT COMPUTE CONSTRAINT CONTAINS
  CONTAINSTABLE CONTINUE CONVERT CREATE CROSS CURRENT CURRENT_DATE CURRENT_TIME CURRENT_TIMESTAMP CURRENT_USER
  CURSOR DATABASE DBCC DEALLOCATE DECLARE DEFAULT DELETE DENY DESC DISK DISTINCT DISTRIBUTED DOUBLE DROP DUMMY
  DUMP ELSE END ERRLVL ESCAPE EXCEPT EXEC EXECUTE EXISTS EXIT FETCH FILE FILLFACTOR FOR FOREIGN FREETEXT
  FREETEXTTABLE FROM FULL FUNCTION GOTO GRANT GROUP HAVING HOLDLOCK IDENTITY IDENTITY_INSERT IDENTITYCOL IF IN
  INDEX INNER INSERT INTERSECT INTO IS JOIN KEY KILL LEFT LIKE LINENO LOAD NATIONAL NOCHECK NONCLUSTERED NOT
  NULL NULLIF OF OFF OFFSETS ON OPEN OPENDATASOURCE OPENQUERY OPENROWSET OPENXML OPTION OR ORDER OUTER OVER
  PERCENT PLAN PRECISION PRIMARY PRINT PROC PROCEDURE PUBLIC RAISERROR READ READTEXT RECONFIGURE REFERENCES
  REPLICATION RESTORE RESTRICT RETURN REVOKE RIGHT ROLLBACK ROWCOUNT ROWGUIDCOL RULE SAVE SCHEMA SELECT
  SESSION_USER SET SETUSER SHUTDOWN SOME STATISTICS SYSTEM_USER TABLE TEXTSIZE THEN TO TOP TRAN TRANSACTION
  TRIGGER TRUNCATE TSEQUAL UNION UNIQUE UPDATE UPDATETEXT USE USER VALUES VARYING VIEW WAITFOR WHEN WHERE WHILE
  WITH WRITETEXT`.split(/\s+/));

// A token that can name an object or column: a plain, bracketed or quoted
// identifier, or a word that is not reserved (the grammar lexes many of
// those as keywords).
function isName(tok) {
  if (!tok) return false;
  if (tok.type === T.ID || tok.type === T.SQUARE_BRACKET_ID || tok.type === T.DOUBLE_QUOTE_ID) return true;
  return /^[A-Za-z_][A-Za-z0-9_]*$/.test(tok.text || '') && !RESERVED.has(upper(tok));
}

// A grantee: a name, or the role public (a reserved word).
const isPrincipal = (tok) => isName(tok) || isWord(tok, 'PUBLIC');

// The index just past a multi-part name starting at `i` (`a`, `dbo.a`,
// `db..a`, `[dbo].[a]`), or -1 when no name starts there.
function skipName(toks, i) {
  if (!isName(toks[i])) return -1;
  let j = i + 1;
  while (isType(toks[j], T.DOT)) {
    let k = j + 1;
    while (isType(toks[k], T.DOT)) k++;
    if (!isName(toks[k])) return -1;
    j = k + 1;
  }
  return j;
}

function retyped(tok, type) {
  const copy = CommonToken.fromToken(tok);
  copy.type = type;
  return copy;
}

// A new token of `type` with `text`, placed where `at` is.
function inserted(at, type, text) {
  const copy = CommonToken.fromToken(at);
  copy.type = type;
  copy.text = text;
  return copy;
}

const STATEMENT_PERMISSIONS = new Set(['DATABASE', 'DEFAULT', 'FUNCTION', 'PROCEDURE', 'RULE', 'TABLE', 'VIEW']);
const OBJECT_PERMISSIONS = new Set(['SELECT', 'INSERT', 'UPDATE', 'DELETE', 'REFERENCES', 'EXECUTE', 'EXEC']);

// ALTER VIEW has the same shape as CREATE VIEW.
function alterView(toks) {
  return toks.map((t, i) => (isType(t, T.ALTER) && isType(toks[i + 1], T.VIEW) ? retyped(t, T.CREATE) : t));
}

// ALTER TABLE t WITH NOCHECK ADD …, WITH CHECK ADD …, WITH [NO]CHECK CHECK
// CONSTRAINT …, NOCHECK CONSTRAINT …, CHECK CONSTRAINT ALL, DROP of a list of
// constraints and columns, and ENABLE or DISABLE TRIGGER ALL or a list of
// triggers.
function alterTable(toks) {
  const out = [];
  for (let i = 0; i < toks.length; i++) {
    if (!(isType(toks[i], T.ALTER) && isType(toks[i + 1], T.TABLE))) { out.push(toks[i]); continue; }
    const end = skipName(toks, i + 2);
    if (end < 0) { out.push(toks[i]); continue; }
    for (let k = i; k < end; k++) out.push(toks[k]);
    let j = end;
    if (isType(toks[j], T.WITH) && (isType(toks[j + 1], T.CHECK) || isType(toks[j + 1], T.NOCHECK)) &&
        (isType(toks[j + 2], T.ADD) || isType(toks[j + 2], T.CHECK) || isType(toks[j + 2], T.NOCHECK))) {
      j += 2;  // the check of existing rows does not change the form
    }
    if ((isType(toks[j], T.CHECK) || isType(toks[j], T.NOCHECK)) && isType(toks[j + 1], T.CONSTRAINT)) {
      out.push(retyped(toks[j], T.CHECK), toks[j + 1]);
      j += 2;
      if (isType(toks[j], T.ALL)) { out.push(retyped(toks[j], T.ID)); j++; }
    } else if (isType(toks[j], T.DROP)) {
      const dropped = dropList(toks, j + 1);
      if (dropped) {
        out.push(toks[j], ...dropped.first);
        j = dropped.end;
      }
    } else if ((isType(toks[j], T.ENABLE) || isType(toks[j], T.DISABLE)) && isType(toks[j + 1], T.TRIGGER)) {
      out.push(toks[j], toks[j + 1]);
      j += 2;
      if (isType(toks[j], T.ALL)) {
        out.push(retyped(toks[j], T.ID));
        j++;
      } else if (isName(toks[j])) {
        out.push(toks[j]);
        j++;
        // further triggers of the list: each is `, name`
        while (isType(toks[j], T.COMMA) && isName(toks[j + 1]) && !isType(toks[j + 2], T.DOT)) j += 2;
      }
    }
    i = j - 1;
  }
  return out;
}

// The list of ALTER TABLE … DROP starting at `i`: items `[CONSTRAINT] name` or
// `COLUMN name` separated by commas. Returns the first item with its keyword
// (CONSTRAINT when it has none) and the index past the list; null when the
// list is not well formed or is one item the grammar knows as it stands.
function dropList(toks, i) {
  const item = (k) => {
    const keyword = isType(toks[k], T.CONSTRAINT) || isType(toks[k], T.COLUMN) ? toks[k] : null;
    const start = keyword ? k + 1 : k;
    if (!isName(toks[start]) || isType(toks[start + 1], T.DOT)) return null;
    if (!keyword && (isType(toks[start], T.CONSTRAINT) || isType(toks[start], T.COLUMN))) return null;
    return { keyword, name: toks[start], end: start + 1 };
  };
  const first = item(i);
  if (!first) return null;
  let j = first.end;
  let count = 1;
  while (isType(toks[j], T.COMMA)) {
    const next = item(j + 1);
    if (!next) return null;
    j = next.end;
    count += 1;
  }
  if (count === 1 && first.keyword) return null;
  const keyword = first.keyword || inserted(first.name, T.CONSTRAINT, 'CONSTRAINT');
  return { first: [keyword, first.name], end: j };
}

// The index options of CREATE INDEX and of key constraints written without
// parentheses: WITH FILLFACTOR = n, PAD_INDEX, IGNORE_DUP_KEY, DROP_EXISTING,
// STATISTICS_NORECOMPUTE, SORT_IN_TEMPDB. They say how the index is stored,
// not what it is; the clause is dropped when every option in it is well formed.
const BARE_INDEX_OPTIONS = new Set(['PAD_INDEX', 'IGNORE_DUP_KEY', 'DROP_EXISTING', 'STATISTICS_NORECOMPUTE',
  'SORT_IN_TEMPDB']);
function indexOptions(toks) {
  const out = [];
  for (let i = 0; i < toks.length; i++) {
    if (isType(toks[i], T.WITH) && (isWord(toks[i + 1], 'FILLFACTOR') || BARE_INDEX_OPTIONS.has(upper(toks[i + 1])))) {
      let j = i + 1;
      let wellFormed = true;
      for (;;) {
        if (isWord(toks[j], 'FILLFACTOR')) {
          if (!(isType(toks[j + 1], T.EQUAL) && isType(toks[j + 2], T.DECIMAL))) { wellFormed = false; break; }
          j += 3;
        } else if (BARE_INDEX_OPTIONS.has(upper(toks[j]))) {
          j += 1;
        } else {
          wellFormed = false;
          break;
        }
        if (!isType(toks[j], T.COMMA)) break;
        j += 1;
      }
      if (wellFormed) { i = j - 1; continue; }
    }
    out.push(toks[i]);
  }
  return out;
}

// IF UPDATE(column) in a trigger, which tells whether the column was assigned:
// the same shape as EXISTS (SELECT column).
const CONDITION_STARTS = new Set([T.IF, T.WHILE, T.AND, T.OR, T.NOT, T.LR_BRACKET]);
function ifUpdate(toks) {
  const out = [];
  for (let i = 0; i < toks.length; i++) {
    const t = toks[i];
    if (isType(t, T.UPDATE) && i > 0 && CONDITION_STARTS.has(toks[i - 1].type) &&
        isType(toks[i + 1], T.LR_BRACKET) && isName(toks[i + 2]) && isType(toks[i + 3], T.RR_BRACKET)) {
      out.push(retyped(t, T.EXISTS), toks[i + 1], inserted(toks[i + 2], T.SELECT, 'SELECT'), toks[i + 2], toks[i + 3]);
      i += 3;
      continue;
    }
    out.push(t);
  }
  return out;
}

// One permission of GRANT, REVOKE or DENY starting at `i`: the index past it
// (an optional column list included) and its tokens without the column list;
// null when there is no well-formed permission there.
function permission(toks, i) {
  const t = toks[i];
  let words;
  if (isType(t, T.ALL)) {
    words = isType(toks[i + 1], T.PRIVILEGES) ? [t, toks[i + 1]] : [t];
  } else if (isType(t, T.CREATE) && STATEMENT_PERMISSIONS.has(upper(toks[i + 1]))) {
    words = [t, toks[i + 1]];
  } else if (isWord(t, 'BACKUP') && (isWord(toks[i + 1], 'DATABASE') || isWord(toks[i + 1], 'LOG'))) {
    words = [t, toks[i + 1]];
  } else if (t && OBJECT_PERMISSIONS.has(upper(t)) && t.type !== T.SQUARE_BRACKET_ID && t.type !== T.STRING) {
    // the grammar lists SELECT but not UPDATE or DELETE; all take the same place
    words = [isType(t, T.UPDATE) || isType(t, T.DELETE) ? retyped(t, T.SELECT) : t];
  } else {
    return null;
  }
  let j = i + words.length;
  if (isType(toks[j], T.LR_BRACKET)) {
    const close = nameList(toks, j + 1);
    if (close < 0 || !isType(toks[close], T.RR_BRACKET)) return null;
    j = close + 1;
  }
  return { end: j, words };
}

// The index past `name (, name)*` starting at `i`, or -1.
function nameList(toks, i, skip = skipName) {
  let j = skip(toks, i);
  if (j < 0) return -1;
  while (isType(toks[j], T.COMMA)) {
    const k = skip(toks, j + 1);
    if (k < 0) return -1;
    j = k;
  }
  return j;
}

// GRANT, REVOKE and DENY of SQL Server 2000: lists of permissions, column
// lists, REVOKE … FROM, GRANT OPTION FOR, CASCADE. The grammar knows GRANT of
// one permission on an object TO principals; that is what the statement becomes.
function permissions(toks) {
  const out = [];
  for (let i = 0; i < toks.length; i++) {
    const t = toks[i];
    const verb = isType(t, T.GRANT) || isType(t, T.REVOKE) || isType(t, T.DENY);
    if (!verb || (i > 0 && (isType(toks[i - 1], T.WITH) || isType(toks[i - 1], T.FOR)))) { out.push(t); continue; }
    let j = i + 1;
    if (isType(t, T.REVOKE) && isType(toks[j], T.GRANT) && isType(toks[j + 1], T.OPTION) && isType(toks[j + 2], T.FOR)) j += 3;
    const first = permission(toks, j);
    if (!first) { out.push(t); continue; }
    j = first.end;
    let ok = true;
    while (isType(toks[j], T.COMMA)) {
      const next = permission(toks, j + 1);
      if (!next) { ok = false; break; }
      j = next.end;
    }
    if (!ok) { out.push(t); continue; }
    const rewritten = [retyped(t, T.GRANT), ...first.words];
    if (isType(toks[j], T.ON)) {
      const end = skipName(toks, j + 1);
      if (end < 0) { out.push(t); continue; }
      for (let k = j; k < end; k++) rewritten.push(toks[k]);
      j = end;
      if (isType(toks[j], T.LR_BRACKET)) {
        const close = nameList(toks, j + 1);
        if (close < 0 || !isType(toks[close], T.RR_BRACKET)) { out.push(t); continue; }
        j = close + 1;
      }
    }
    const to = isType(toks[j], T.TO) || (!isType(t, T.GRANT) && isType(toks[j], T.FROM) && isType(t, T.REVOKE));
    if (!to) { out.push(t); continue; }
    rewritten.push(isType(toks[j], T.TO) ? toks[j] : retyped(toks[j], T.TO));
    const end = nameList(toks, j + 1, (ts, k) => (isPrincipal(ts[k]) ? k + 1 : -1));
    if (end < 0) { out.push(t); continue; }
    for (let k = j + 1; k < end; k++) rewritten.push(toks[k]);
    j = end;
    if (!isType(t, T.GRANT) && isType(toks[j], T.CASCADE)) j += 1;
    out.push(...rewritten);
    i = j - 1;
  }
  return out;
}

// NOT FOR REPLICATION on identities, keys, checks and triggers changes what
// replication agents do, not the form of the statement.
function notForReplication(toks) {
  const out = [];
  for (let i = 0; i < toks.length; i++) {
    if (isType(toks[i], T.NOT) && isType(toks[i + 1], T.FOR) && isType(toks[i + 2], T.REPLICATION)) { i += 2; continue; }
    out.push(toks[i]);
  }
  return out;
}

// ROWGUIDCOL in a column definition marks a uniqueidentifier column; the
// grammar takes it only in some places of the definition. (In a select list,
// after SELECT, a comma or a point, it names a column and stays.)
const SELECT_LIST_BEFORE = new Set([T.SELECT, T.COMMA, T.DOT, T.DISTINCT, T.ALL]);
function rowGuidCol(toks) {
  return toks.filter((t, i) => !(isType(t, T.ROWGUIDCOL) && i > 0 && !SELECT_LIST_BEFORE.has(toks[i - 1].type)));
}

// The old outer joins `a *= b` and `a =* b` in WHERE and HAVING become `a = b`.
const JOIN_CONDITION_STARTS = new Set([T.WHERE, T.HAVING, T.AND, T.OR, T.ON, T.NOT, T.LR_BRACKET]);
function oldOuterJoins(toks) {
  const out = [];
  for (let i = 0; i < toks.length; i++) {
    const t = toks[i];
    if (isType(t, T.MULT_ASSIGN)) {
      // the left operand is a column name; what stands before it starts a condition
      let start = i - 1;
      while (isType(toks[start - 1], T.DOT) && isName(toks[start - 2])) start -= 2;
      if (start > 0 && isName(toks[start]) && JOIN_CONDITION_STARTS.has(toks[start - 1].type)) {
        out.push(retyped(t, T.EQUAL));
        continue;
      }
    }
    if (isType(t, T.EQUAL) && isType(toks[i + 1], T.STAR) && toks[i + 1].startIndex === t.stopIndex + 1 &&
        (isName(toks[i + 2]) || isType(toks[i + 2], T.LOCAL_ID))) {
      out.push(t);
      i += 1;
      continue;
    }
    out.push(t);
  }
  return out;
}

// GROUP BY … WITH ROLLUP and WITH CUBE add summary rows; the grouping is the same.
function groupingSummaries(toks) {
  const out = [];
  for (let i = 0; i < toks.length; i++) {
    if (isType(toks[i], T.WITH) && (isWord(toks[i + 1], 'ROLLUP') || isWord(toks[i + 1], 'CUBE'))) { i += 1; continue; }
    out.push(toks[i]);
  }
  return out;
}

// DROP TABLE a, b drops each table in turn.
function dropTableList(toks) {
  const out = [];
  for (let i = 0; i < toks.length; i++) {
    out.push(toks[i]);
    if (!(isType(toks[i], T.DROP) && isType(toks[i + 1], T.TABLE))) continue;
    out.push(toks[i + 1]);
    let j = skipName(toks, i + 2);
    if (j < 0) { i += 1; continue; }
    for (let k = i + 2; k < j; k++) out.push(toks[k]);
    while (isType(toks[j], T.COMMA)) {
      const k = skipName(toks, j + 1);
      if (k < 0) break;
      j = k;
    }
    i = j - 1;
  }
  return out;
}

// CREATE DEFAULT name AS constant: a named value, shaped like a view of it.
function createDefault(toks) {
  const out = [];
  for (let i = 0; i < toks.length; i++) {
    if (isType(toks[i], T.CREATE) && isType(toks[i + 1], T.DEFAULT)) {
      const end = skipName(toks, i + 2);
      if (end > 0 && isType(toks[end], T.AS)) {
        out.push(toks[i], retyped(toks[i + 1], T.VIEW));
        for (let k = i + 2; k <= end; k++) out.push(toks[k]);
        out.push(inserted(toks[end], T.SELECT, 'SELECT'));
        i = end;
        continue;
      }
    }
    out.push(toks[i]);
  }
  return out;
}

const REWRITES = [alterView, alterTable, indexOptions, ifUpdate, permissions, notForReplication, rowGuidCol,
  oldOuterJoins, groupingSummaries, dropTableList, createDefault];

function rewrite(tokens) {
  return REWRITES.reduce((toks, step) => step(toks), tokens);
}

module.exports = { rewrite, isName, skipName };
