'use strict';
// The checker's own tests: the SQL Server 2000 forms it is taught, the faults
// it must find, the reading of the dry-run script and the command's report.

const test = require('node:test');
const assert = require('node:assert/strict');
const path = require('node:path');
const fs = require('node:fs');
const os = require('node:os');
const { spawnSync } = require('node:child_process');

const { checkBatch } = require('../lib/check');
const { readScript } = require('../lib/script');

// Valid SQL Server 2000 statements that the grammar alone rejects.
const TAUGHT_FORMS = [
  ['ALTER VIEW', 'ALTER VIEW dbo.VJ表单列表 AS SELECT 表单序号, 表单名称 FROM dbo.T表单列表'],
  ['WITH NOCHECK ADD CONSTRAINT',
    'ALTER TABLE [dbo].[D调价单] WITH NOCHECK ADD CONSTRAINT [DF_D调价单_过单日期] DEFAULT (getdate()) FOR [过单日期]'],
  ['NOCHECK CONSTRAINT ALL', 'ALTER TABLE D住院档案 NOCHECK CONSTRAINT ALL'],
  ['WITH CHECK CHECK CONSTRAINT', 'ALTER TABLE D住院档案 WITH CHECK CHECK CONSTRAINT FK_D住院档案_T科室档案'],
  ['DISABLE TRIGGER ALL', 'ALTER TABLE [dbo].[D库存] DISABLE TRIGGER ALL'],
  ['DROP of several constraints', 'ALTER TABLE D住院档案 DROP CONSTRAINT DF_D住院档案_a, DF_D住院档案_b'],
  ['DROP of a constraint and a column', 'ALTER TABLE D住院档案 DROP CONSTRAINT DF_D住院档案_a, COLUMN 旧字段'],
  ['DROP of a constraint without CONSTRAINT', 'ALTER TABLE D住院档案 DROP DF_D住院档案_a'],
  ['ENABLE TRIGGER list', 'ALTER TABLE D库存 ENABLE TRIGGER TR_一, TR_二'],
  ['WITH FILLFACTOR on a key',
    'ALTER TABLE [dbo].[D调价单] ADD CONSTRAINT [PK_D调价单] PRIMARY KEY CLUSTERED ([单据编号]) WITH FILLFACTOR = 90 ON [PRIMARY]'],
  ['WITH FILLFACTOR on an index', 'CREATE INDEX [IX_D调价数据] ON [dbo].[D调价数据]([药品编号]) WITH FILLFACTOR = 90 ON [PRIMARY]'],
  ['old index options', 'CREATE UNIQUE INDEX IX_t ON t (a) WITH IGNORE_DUP_KEY, FILLFACTOR = 80, PAD_INDEX'],
  ['IF UPDATE(column)', 'CREATE TRIGGER TR_t ON t FOR INSERT, UPDATE AS IF UPDATE(组件类型) OR UPDATE([名称]) RETURN'],
  ['GRANT permission list', 'GRANT SELECT, INSERT, UPDATE, DELETE ON [dbo].[D调价单] TO [public]'],
  ['GRANT UPDATE', 'GRANT UPDATE ON D调价单 TO 收费员'],
  ['GRANT on columns', 'GRANT UPDATE ON D调价数据 (金额, 数量) TO 收费员'],
  ['REVOKE … FROM', 'REVOKE SELECT, INSERT ON D调价数据 FROM guest CASCADE'],
  ['DENY', 'DENY DELETE ON D调价数据 TO guest'],
  ['GRANT statement permissions', 'GRANT CREATE TABLE, CREATE VIEW TO 开发员'],
  ['NOT FOR REPLICATION on a foreign key',
    'ALTER TABLE t ADD CONSTRAINT FK_t_u FOREIGN KEY (a) REFERENCES u (a) ON DELETE CASCADE NOT FOR REPLICATION'],
  ['ROWGUIDCOL before a named default',
    'CREATE TABLE t ([标志] [uniqueidentifier] ROWGUIDCOL NOT NULL CONSTRAINT [DF_t_标志] DEFAULT (newid()))'],
  ['*= join', 'SELECT a.编号 FROM T员工档案 a, T科室档案 b WHERE a.科室编号 *= b.编号 AND a.作废 = 0'],
  ['=* join', 'SELECT a.编号 FROM T员工档案 a, T科室档案 b WHERE b.编号 =* a.科室编号'],
  ['WITH ROLLUP', 'SELECT 科室编号, SUM(金额) FROM D门诊收费 GROUP BY 科室编号 WITH ROLLUP'],
  ['WITH CUBE', 'SELECT 科室编号, 收款人, SUM(金额) FROM D门诊收费 GROUP BY 科室编号, 收款人 WITH CUBE'],
  ['DROP TABLE list', 'DROP TABLE [dbo].[T临时], T临时2'],
  ['CREATE DEFAULT', 'CREATE DEFAULT DF_零 AS 0'],
];

for (const [name, sql] of TAUGHT_FORMS) {
  test(`taught form: ${name}`, () => {
    assert.notEqual(checkBatch(sql, { rewrites: false }), null, 'the grammar alone should reject it');
    assert.equal(checkBatch(sql), null);
  });
}

// Statements the grammar knows as they stand, in the shapes the steps send.
const VALID = [
  ['lower-case keywords', 'select a from t where b = 1'],
  ['table script', 'CREATE TABLE [dbo].[T升级列表] (\r\n\t[发生日期] [datetime] NULL ,\r\n\t[升级说明] [text] ' +
    'COLLATE Chinese_PRC_CI_AS NULL\r\n) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]'],
  ['identity', 'CREATE TABLE t ([编号] [int] IDENTITY (1, 1) NOT NULL, [名称] [varchar] (50) NULL)'],
  ['table constraint after a column without comma', 'CREATE TABLE t (a int NOT NULL CONSTRAINT PK_t PRIMARY KEY (a))'],
  ['trailing comma in a table script', 'CREATE TABLE t (a int NOT NULL, b int, )'],
  ['inline table function', 'CREATE FUNCTION dbo.F (@a int) RETURNS TABLE AS RETURN (SELECT 名称 FROM t WHERE 编号 = @a)'],
  ['procedure with a transaction',
    'CREATE PROCEDURE p @a int AS\r\nBEGIN TRAN\r\nUPDATE t SET b = @a\r\nIF @@ERROR <> 0\r\nBEGIN\r\n' +
    '  ROLLBACK TRAN\r\n  RAISERROR (\'失败！\', 16, 1)\r\n  RETURN\r\nEND\r\nCOMMIT TRAN'],
  ['trigger', 'CREATE TRIGGER tr ON t FOR INSERT, UPDATE AS UPDATE t SET b = 1 FROM t, inserted i WHERE t.a = i.a'],
  ['sp_rename without EXEC', "sp_rename 'D住院档案.病人姓名', '姓名', 'COLUMN'"],
  ['N strings', "INSERT INTO T操作权限 VALUES (140, N'允许处方打折', 4, 0)"],
  ['DBCC', "DBCC CHECKIDENT ('D门诊收费列表', RESEED, 0)"],
  ['bracketed name with full-width punctuation', 'SELECT [病人（信息）] FROM t'],
  ['full-width text in a string', "SELECT a FROM t WHERE b = '病人，信息（一）'"],
  ['comment before CREATE VIEW', '-- 视图\r\nCREATE VIEW v AS SELECT 1 AS a'],
  ['nested blocks', 'IF 1 = 1 BEGIN IF 2 = 2 BEGIN SELECT 1 END END'],
];

for (const [name, sql] of VALID) {
  test(`valid: ${name}`, () => assert.equal(checkBatch(sql), null));
}

// Faults, each with what the report must say.
const BROKEN = [
  ['unbalanced parenthesis', 'SELECT a FROM t WHERE (a = 1', /no viable alternative|missing|mismatched|extraneous/],
  ['unbalanced parenthesis in a table script', 'CREATE TABLE t (a int NOT NULL, b varchar(10) NULL', /./],
  ['missing END', 'IF 1 = 1 BEGIN SELECT 1', /batch ends too early/],
  ['missing END of a procedure', 'CREATE PROCEDURE p AS BEGIN UPDATE t SET a = 1', /batch ends too early/],
  ['misspelt keyword', 'SELECT a FROM t WHER a = 1', /./],
  ['misspelt keyword in a table script', 'CREATE TABLE t (a int NOT NUL, b int)', /./],
  ['misspelt keyword in UPDATE', 'UPDATE t SETT a = 1', /./],
  ['stray comma in a select list', 'SELECT a, FROM t', /./],
  ['stray comma in VALUES', 'INSERT INTO t (a, b) VALUES (1, 2,)', /./],
  ['stray comma after WHERE', 'DELETE FROM t WHERE a = 1,', /./],
  ['unterminated string', "SELECT a FROM t WHERE b = '病人", /unterminated string/],
  ['unterminated N string', "INSERT INTO t VALUES (N'病人)", /unterminated string/],
  ['unterminated comment', 'SELECT 1 /* 说明', /unterminated comment/],
  ['two columns without comma', 'CREATE TABLE t ([a] [int] NOT NULL [b] [int] NULL)',
    /no comma between the column definitions '\[a\] \[int\] NOT NULL' and '\[b\] \[int\] NULL'/],
  ['two added columns without comma', 'ALTER TABLE t ADD a int NULL b int NULL', /no comma between the column definitions/],
  ['two columns of a table variable without comma', 'DECLARE @t TABLE (a int b int)', /no comma between the column definitions/],
  ['full-width comma in a name', 'SELECT 姓名，年龄 FROM t', /'，' inside the unbracketed name '姓名，年龄'/],
  ['full-width parenthesis in a name', 'SELECT 金额（元） FROM t', /'（' inside the unbracketed name/],
  ['full-width closing parenthesis in a name', 'CREATE TABLE t (金额） money)', /'）' inside the unbracketed name/],
  ['full-width comma in a variable', 'DECLARE @a，@b int', /'，' inside the unbracketed name '@a，@b'/],
  ['CREATE PROC not first', 'SELECT 1\r\nCREATE PROC p AS SELECT 1', /PROCEDURE must be the first statement in its batch/],
  ['CREATE VIEW not first', 'DROP VIEW v\r\nCREATE VIEW v AS SELECT 1 AS a', /VIEW must be the first statement in its batch/],
  ['CREATE FUNCTION not first', "SET NOCOUNT ON\r\nCREATE FUNCTION f () RETURNS int AS BEGIN RETURN 1 END",
    /FUNCTION must be the first statement in its batch/],
  ['CREATE TRIGGER not first', 'PRINT 1\r\nCREATE TRIGGER tr ON t FOR INSERT AS SELECT 1', /TRIGGER must be the first statement/],
  ['ALTER VIEW not first', 'SELECT 1\r\nALTER VIEW v AS SELECT 1 AS a', /VIEW must be the first statement/],
  ['CREATE VIEW followed by another statement', 'CREATE VIEW v AS SELECT 1 AS a\r\nSELECT 2',
    /VIEW must be the only statement in its batch/],
  ['empty BEGIN END', 'IF 1 = 1 BEGIN END', /empty BEGIN END block/],
  ['empty BEGIN END in a trigger', 'CREATE TRIGGER tr ON t FOR INSERT AS IF UPDATE(a) BEGIN END', /empty BEGIN END block/],
  ['GO inside a statement', 'SELECT 1\r\nGO\r\nSELECT 2', /GO inside a statement/],
  ['empty statement', '  \r\n', /empty statement/],
  // a taught form that is itself malformed still fails
  ['FILLFACTOR without a number', 'CREATE INDEX IX ON t (a) WITH FILLFACTOR = ON [PRIMARY]', /./],
  ['FILLFACTOR misspelt', 'CREATE INDEX IX ON t (a) WITH FILLFACTER = 90', /./],
  ['stray comma in index options', 'CREATE INDEX IX ON t (a) WITH PAD_INDEX, ON [PRIMARY]', /./],
  ['misspelt permission in a list', 'GRANT SELECT, INSRT ON t TO public', /./],
  ['stray comma in a permission list', 'GRANT SELECT, ON t TO public', /./],
  ['IF UPDATE of two columns', 'CREATE TRIGGER tr ON t FOR UPDATE AS IF UPDATE(a, b) RETURN', /./],
  ['NOCHECK misspelt', 'ALTER TABLE t WITH NOCHEK ADD CONSTRAINT DF DEFAULT (0) FOR a', /./],
  ['WITH ROLLUP misspelt', 'SELECT a FROM t GROUP BY a WITH ROLLUPP', /./],
  ['stray comma in DROP TABLE', 'DROP TABLE a,', /./],
  ['reserved word in a DROP TABLE list', 'DROP TABLE a, FROM', /./],
  ['stray comma in ALTER TABLE DROP', 'ALTER TABLE t DROP CONSTRAINT a,', /./],
  ['misspelt CONSTRAINT in a DROP list', 'ALTER TABLE t DROP CONSTRAINT a, CONSTRANT b', /./],
  ['unbalanced parenthesis in a key of WITH NOCHECK ADD',
    'ALTER TABLE t WITH NOCHECK ADD CONSTRAINT PK PRIMARY KEY CLUSTERED (a WITH FILLFACTOR = 90', /./],
  ['ALTER VIEW without AS', 'ALTER VIEW v SELECT 1 AS a', /./],
];

for (const [name, sql, message] of BROKEN) {
  test(`broken: ${name}`, () => {
    const fault = checkBatch(sql);
    assert.notEqual(fault, null, 'the check should fail');
    assert.match(fault.message, message);
    assert.ok(fault.line >= 1 && fault.column >= 0);
  });
}

test('a fault is reported at its line and column in the statement', () => {
  const fault = checkBatch('SELECT a\r\nFROM t\r\nWHERE 姓名，年龄 = 1');
  assert.deepEqual([fault.line, fault.column], [3, 6]);
});

test('readScript: versions, positions, remarks and CR LF statements', () => {
  const script = [
    '-- version 5', '-- version 6', 'SELECT 1', 'GO',
    '-- errors ignored', 'ALTER TABLE t DROP CONSTRAINT DF_t_a', 'GO',
    '-- version 7', '-- read: no rows in a dry run', 'SELECT a\r', 'FROM t', 'GO',
    'CREATE VIEW v AS\r', 'GO\r', 'SELECT 1 AS a', 'GO', '',
  ].join('\n');
  const { batches, versions } = readScript(script);
  assert.deepEqual(versions, [5, 6, 7]);
  assert.deepEqual(batches.map((b) => [b.version, b.position, b.line]), [[6, 1, 3], [6, 2, 6], [7, 1, 10], [7, 2, 13]]);
  assert.deepEqual(batches[1].remarks, ['errors ignored']);
  assert.deepEqual(batches[2].remarks, ['read: no rows in a dry run']);
  assert.equal(batches[2].sql, 'SELECT a\r\nFROM t');
  assert.equal(batches[3].sql, 'CREATE VIEW v AS\r\nGO\r\nSELECT 1 AS a', 'a GO line ending in CR belongs to the statement');
  assert.ok(batches.every((b) => !b.unterminated));
});

test('readScript: a statement after the last GO is flagged', () => {
  const { batches } = readScript('-- version 5\nSELECT 1\nGO\nSELECT 2\n');
  assert.equal(batches.length, 2);
  assert.equal(batches[1].unterminated, true);
});

const CHECK = path.join(__dirname, '..', 'check.js');
function runCheck(script) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'tsql-check-'));
  const file = path.join(dir, 'road.sql');
  fs.writeFileSync(file, script);
  try {
    return spawnSync(process.execPath, [CHECK, file], { encoding: 'utf8' });
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

test('check.js passes the corpus of SQL Server 2000 statements', () => {
  const run = spawnSync(process.execPath, [CHECK, path.join(__dirname, 'corpus.sql')], { encoding: 'utf8' });
  assert.equal(run.status, 0, run.stdout + run.stderr);
  assert.match(run.stdout, /\b(\d+) passed, 0 failed/);
  assert.ok(Number(/(\d+) passed/.exec(run.stdout)[1]) > 50);
});

test('check.js reports version, position, first 100 characters and message, and fails', () => {
  const longTail = '，'.repeat(10) + 'x'.repeat(150);
  const run = runCheck([
    '-- version 40', 'SELECT 1', 'GO', '-- errors ignored', 'UPDATE t SET a = 1', 'GO',
    '-- read: no rows in a dry run', `SELECT a FORM t WHERE b = '${longTail}'`, 'GO',
    '-- version 41', 'INSERT INTO t (a, b) VALUES (1, 2,)', 'GO', '',
  ].join('\n'));
  assert.equal(run.status, 1, run.stdout + run.stderr);
  const expectedPreview = `SELECT a FORM t WHERE b = '${longTail}'`.slice(0, 100);
  assert.ok(run.stdout.includes(`version 40, statement 3 (script line 8) [read: no rows in a dry run]: ${expectedPreview}\n`),
    run.stdout);
  assert.ok(!run.stdout.includes(expectedPreview + 'x'), 'only the first 100 characters are shown');
  assert.match(run.stdout, /version 41, statement 1 \(script line 11\): INSERT INTO t \(a, b\) VALUES \(1, 2,\)\n {4}line 1:34 mismatched input '\)'/);
  assert.match(run.stdout, /^2 passed, 2 failed$/m);
});

test('check.js fails on a script without version marks', () => {
  const run = runCheck('SELECT 1\nGO\n');
  assert.equal(run.status, 1, run.stdout + run.stderr);
  assert.match(run.stdout, /not the dry run of an upgrade/);
});

test('check.js fails on a script it cannot read', () => {
  const run = spawnSync(process.execPath, [CHECK, path.join(os.tmpdir(), 'no-such-road.sql')], { encoding: 'utf8' });
  assert.equal(run.status, 2);
});
