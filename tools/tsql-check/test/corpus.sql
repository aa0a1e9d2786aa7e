-- version 5
CREATE TABLE [dbo].[T升级列表] (
	[发生日期] [datetime] NULL ,
	[程序版本] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[帐套版本] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[升级说明] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	[操作说明] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[最新升级] [bit] NULL
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
GO
-- errors ignored
ALTER TABLE [dbo].[T升级列表] WITH NOCHECK ADD
	CONSTRAINT [DF_T升级列表_发生日期] DEFAULT (getdate()) FOR [发生日期],
	CONSTRAINT [DF_T升级列表_最新升级] DEFAULT (1) FOR [最新升级]
GO
CREATE TABLE [dbo].[D调价单] (
	[单据编号] [int] IDENTITY (1, 1) NOT FOR REPLICATION  NOT NULL ,
	[调价日期] [datetime] NOT NULL ,
	[调价原因] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[操作员] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[过单日期] [datetime] NULL ,
	[金额] [money] NULL ,
	[比例] [numeric](18, 4) NULL ,
	[标志] [uniqueidentifier] ROWGUIDCOL  NOT NULL CONSTRAINT [DF_D调价单_标志] DEFAULT (newid())
) ON [PRIMARY]
GO
ALTER TABLE [dbo].[D调价单] WITH NOCHECK ADD
	CONSTRAINT [DF_D调价单_过单日期] DEFAULT (getdate()) FOR [过单日期],
	CONSTRAINT [PK_D调价单] PRIMARY KEY  CLUSTERED
	(
		[单据编号]
	) WITH  FILLFACTOR = 90  ON [PRIMARY]
GO
ALTER TABLE [dbo].[D调价数据] ADD
	CONSTRAINT [FK_D调价数据_D调价单] FOREIGN KEY
	(
		[单据编号]
	) REFERENCES [dbo].[D调价单] (
		[单据编号]
	) ON DELETE CASCADE  NOT FOR REPLICATION
GO
ALTER TABLE [dbo].[D病案附件] ADD CONSTRAINT [FK_D病案附件_D病案资料] FOREIGN KEY ([病历编号]) REFERENCES [dbo].[D病案资料] ([编号])
GO
ALTER TABLE [dbo].[JK保险组件列表] WITH NOCHECK ADD CONSTRAINT [CK_JK保险组件列表_组件类型] CHECK ([组件类型] = '医保' or [组件类型] = '农保' or [组件类型] = '居保' or [组件类型] = '财务')
GO
CREATE  INDEX [IX_D调价数据_药品编号] ON [dbo].[D调价数据]([药品编号]) WITH  FILLFACTOR = 90 ON [PRIMARY]
GO
CREATE UNIQUE CLUSTERED INDEX [IX_T综合选项] ON [dbo].[T综合选项]([类别], [编码]) WITH IGNORE_DUP_KEY, FILLFACTOR = 80, PAD_INDEX ON [PRIMARY]
GO
-- version 6
if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[VJ药品卫材]') and OBJECTPROPERTY(id, N'IsView') = 1)
drop view [dbo].[VJ药品卫材]
GO
CREATE VIEW dbo.VJ药品卫材
AS
SELECT dbo.T生产单位.名称 AS 生产厂商, dbo.T生产单位.联系地址 AS 生产企业地址, 0 AS 销售金额,
       dbo.T药品卫材.编号, dbo.T药品卫材.名称, dbo.T药品卫材.规格,
       '1' + dbo.T药品卫材.辅助单位 + '=' + CAST(dbo.T药品卫材.换算关系 AS varchar(20)) + dbo.T药品卫材.药品单位 AS 换算关系,
       dbo.T药品卫材.换算关系 AS 换算比例
FROM dbo.T药品卫材 LEFT OUTER JOIN
     dbo.T生产单位 ON dbo.T药品卫材.生产商编号 = dbo.T生产单位.编号
GO
ALTER VIEW dbo.VJ表单列表
AS
SELECT TOP 100 PERCENT 表单序号, 表单名称, 分类序号
FROM dbo.T表单列表
WHERE (作废 = 0)
ORDER BY 表单序号
GO
CREATE VIEW dbo.ALL住院档案
AS
SELECT * FROM dbo.D住院档案
UNION ALL
SELECT * FROM dbo.OLD住院档案
GO
CREATE VIEW dbo.VJ收费汇总 AS
SELECT a.科室编号, b.名称, SUM(a.金额) AS 金额
FROM D门诊收费 a, T科室档案 b
WHERE a.科室编号 *= b.编号 AND a.作废 = 0
GROUP BY a.科室编号, b.名称 WITH ROLLUP
GO
SELECT a.编号, b.名称 FROM T员工档案 a, T科室档案 b WHERE b.编号 =* a.科室编号
GO
-- version 7
CREATE FUNCTION dbo.FUN_收款员收入 (@开始日期 datetime, @结束日期 datetime, @操作员 varchar(10))
RETURNS TABLE
AS
RETURN (
  SELECT 收款人, SUM(实收金额) AS 金额
  FROM D门诊收费列表
  WHERE 收费时间 BETWEEN @开始日期 AND @结束日期
    AND (收款人 = @操作员 OR @操作员 = '00')
    AND 编号 NOT LIKE 'C%'
  GROUP BY 收款人
)
GO
CREATE FUNCTION dbo.GetPY (@str nvarchar(4000))
RETURNS nvarchar(4000)
AS
BEGIN
  DECLARE @word nchar(1), @PY nvarchar(4000)
  SET @PY = ''
  WHILE len(@str) > 0
  BEGIN
    SET @word = left(@str, 1)
    SET @PY = @PY + (CASE WHEN unicode(@word) BETWEEN 19968 AND 19968 + 20901
      THEN (SELECT TOP 1 PY FROM (SELECT 'A' AS PY, N'驁' AS word UNION ALL SELECT 'B', N'簿') T
            WHERE word >= @word COLLATE Chinese_PRC_CS_AS_KS_WS ORDER BY PY ASC)
      ELSE @word END)
    SET @str = right(@str, len(@str) - 1)
  END
  RETURN @PY
END
GO
CREATE FUNCTION dbo.Split (@s varchar(8000), @sep char(1))
RETURNS @t TABLE (序号 int IDENTITY(1, 1), 内容 varchar(200))
AS
BEGIN
  DECLARE @i int
  SET @i = CHARINDEX(@sep, @s)
  WHILE @i > 0
  BEGIN
    INSERT @t (内容) VALUES (LEFT(@s, @i - 1))
    SET @s = SUBSTRING(@s, @i + 1, 8000)
    SET @i = CHARINDEX(@sep, @s)
  END
  IF @s <> '' INSERT @t (内容) VALUES (@s)
  RETURN
END
GO
-- version 8
CREATE PROCEDURE dbo.P_门诊收费作废
  @收费序号 int,
  @操作员 varchar(10),
  @结果 varchar(200) = NULL OUTPUT
AS
SET NOCOUNT ON
DECLARE @状态 int
SELECT @状态 = 作废 FROM D门诊收费列表 (NOLOCK) WHERE 收费序号 = @收费序号
IF @@ROWCOUNT = 0
BEGIN
  RAISERROR ('收费单据不存在！', 16, 1)
  RETURN -1
END
BEGIN TRANSACTION
UPDATE D门诊收费列表 SET 作废 = 1, 作废人 = @操作员, 作废时间 = getdate() WHERE 收费序号 = @收费序号
IF @@ERROR <> 0
BEGIN
  ROLLBACK TRANSACTION
  SET @结果 = '作废失败'
  RETURN -2
END
INSERT INTO D门诊收费列表 (收费时间, 收款人, 实收金额, 原单序号)
SELECT getdate(), @操作员, -实收金额, 收费序号 FROM D门诊收费列表 WHERE 收费序号 = @收费序号
SET @结果 = CONVERT(varchar(20), SCOPE_IDENTITY())
COMMIT TRANSACTION
RETURN 0
GO
CREATE PROC dbo.P_取单据号 @类别 varchar(20), @编号 int OUTPUT
AS
BEGIN
  UPDATE D编号列表 SET @编号 = 门诊收费列表 = 门诊收费列表 + 1
  IF @编号 IS NULL RAISERROR 50001 '编号列表为空'
END
GO
CREATE PROCEDURE P_重建库存 AS
DECLARE @编号 int, @数量 numeric(18, 4)
DECLARE cur CURSOR LOCAL FAST_FORWARD FOR
  SELECT 药品编号, SUM(数量) FROM D库存明细 GROUP BY 药品编号
OPEN cur
FETCH NEXT FROM cur INTO @编号, @数量
WHILE @@FETCH_STATUS = 0
BEGIN
  UPDATE T库存 SET 库存数量 = @数量 WHERE 药品编号 = @编号
  IF @@ROWCOUNT = 0 INSERT INTO T库存 (药品编号, 库存数量) VALUES (@编号, @数量)
  FETCH NEXT FROM cur INTO @编号, @数量
END
CLOSE cur
DEALLOCATE cur
GO
-- version 9
CREATE TRIGGER TR_JK保险组件列表 ON dbo.JK保险组件列表
FOR INSERT, UPDATE
AS
IF UPDATE(组件类型)
BEGIN
  IF EXISTS (SELECT * FROM inserted WHERE 组件类型 NOT IN ('医保', '农保', '居保', '财务'))
  BEGIN
    RAISERROR ('组件类型只能是医保、农保、居保或财务！', 16, 1)
    ROLLBACK TRANSACTION
  END
END
GO
CREATE TRIGGER [TR_D库存_冻结] ON [dbo].[D库存]
FOR UPDATE NOT FOR REPLICATION
AS
IF UPDATE([冻结数量]) OR UPDATE(库存数量)
  UPDATE D库存 SET 可用数量 = D库存.库存数量 - D库存.冻结数量
  FROM D库存, inserted i
  WHERE D库存.编号 = i.编号
GO
CREATE TRIGGER TR_审计 ON T员工档案 WITH ENCRYPTION FOR DELETE AS
INSERT INTO D审计日志 (表名, 操作, 时间, 操作员) SELECT 'T员工档案', '删除', getdate(), SUSER_SNAME() FROM deleted
GO
ALTER TRIGGER TR_审计 ON T员工档案 AFTER DELETE AS
IF (COLUMNS_UPDATED() & 2) > 0 RETURN
GO
ALTER TABLE [dbo].[D库存] DISABLE TRIGGER ALL
GO
ALTER TABLE [dbo].[D库存] ENABLE TRIGGER [TR_D库存_冻结]
GO
ALTER TABLE D住院档案 NOCHECK CONSTRAINT ALL
GO
ALTER TABLE D住院档案 WITH NOCHECK CHECK CONSTRAINT FK_D住院档案_T科室档案
GO
-- version 10
-- version 11
INSERT INTO T功能列表 (系统序号, 编码, 名称, 排序号, 菜单目录, 描述, 命令编号, 图标编号, 权限编号) VALUES (122, '0100021', '调价单', 8.1, 0, '药品调价单', 418, 0, 0)
GO
INSERT T操作权限 VALUES (140, N'允许处方打折', 4, 0)
GO
INSERT INTO D角色权限 (角色编号, 权限编号) SELECT 编号, 140 FROM D角色档案
GO
INSERT INTO F报表格式 (表编号, 字段名称, 显示标题, 序号, 此列屏蔽, 显示长度, 对齐方式, 此列必选, 数据类型, 统计结果, 表头对齐)
VALUES (305, '金额', '金额', 3, 0, 1000, 'R', 0, 'E', 0, 'C')
GO
UPDATE F报表格式 SET 数据类型 = 'E' WHERE 表编号 = 305 AND 数据类型 = 'N'
GO
DELETE FROM F报表格式 WHERE 表编号 = 305
GO
DELETE D操作员权限 WHERE 权限编号 IN (139, 140)
GO
UPDATE T系统参数设置 SET 挂号有效时间 = 24
GO
UPDATE a SET a.金额 = ROUND(a.单价 * a.数量, 2) FROM D门诊收费 a INNER JOIN D门诊收费列表 b ON a.收费序号 = b.收费序号 WHERE b.作废 = 0
GO
DELETE D门诊收费 FROM D门诊收费 a LEFT JOIN D门诊收费列表 b ON a.收费序号 = b.收费序号 WHERE b.收费序号 IS NULL
GO
-- version 12
ALTER TABLE T医院资料 ADD 医保接口 bit NULL
GO
ALTER TABLE [dbo].[T系统参数设置] ADD [挂号有效时间] [int] NULL CONSTRAINT [DF_T系统参数设置_挂号有效时间] DEFAULT (24) WITH VALUES
GO
ALTER TABLE D住院档案 ADD 已归档 bit NOT NULL DEFAULT 0, 归档时间 datetime NULL
GO
ALTER TABLE D住院档案 ALTER COLUMN 住院号 varchar(20) COLLATE Chinese_PRC_CI_AS NOT NULL
GO
ALTER TABLE D住院档案 DROP COLUMN 旧字段
GO
ALTER TABLE D住院档案 DROP CONSTRAINT DF_D住院档案_已归档
GO
ALTER TABLE D门诊收费 ADD 金额 AS (单价 * 数量)
GO
EXEC sp_rename 'D住院档案.病人姓名', '姓名', 'COLUMN'
GO
sp_rename 'T旧表', 'T新表'
GO
EXECUTE sp_rename @objname = N'[dbo].[T员工档案].[IX_旧]', @newname = N'IX_新', @objtype = N'INDEX'
GO
DBCC CHECKIDENT ('D门诊收费列表', RESEED, 1000)
GO
DBCC DBREINDEX ('D住院记帐列表', '', 90)
GO
EXEC sp_addextendedproperty N'MS_Description', N'住院号', N'user', N'dbo', N'table', N'D住院档案', N'column', N'住院号'
GO
DROP INDEX D住院档案.IX_D住院档案_住院号
GO
DROP TABLE [dbo].[T临时], [dbo].[T临时2]
GO
if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[P_门诊收费作废]') and OBJECTPROPERTY(id, N'IsProcedure') = 1)
drop procedure [dbo].[P_门诊收费作废]
GO
IF OBJECT_ID('tempdb..#临时') IS NOT NULL DROP TABLE #临时
GO
-- version 13
GRANT SELECT, INSERT, UPDATE, DELETE ON [dbo].[D调价单] TO [public]
GO
GRANT EXECUTE ON [dbo].[P_门诊收费作废] TO [public]
GO
GRANT ALL ON D调价数据 TO public
GO
GRANT UPDATE ON D调价数据 (金额, 数量) TO 收费员
GO
REVOKE SELECT, INSERT ON D调价数据 FROM guest CASCADE
GO
DENY DELETE ON D调价数据 TO guest
GO
GRANT CREATE TABLE, CREATE VIEW TO 开发员
GO
SELECT 科室编号, 收款人, SUM(金额) FROM D门诊收费 GROUP BY 科室编号, 收款人 WITH CUBE
GO
SELECT CONVERT(varchar(10), getdate(), 120) + ' ' + CONVERT(varchar(8), getdate(), 108), DATEADD(day, 1, getdate()), DATEDIFF(dd, '2000-01-01', getdate())
GO
SELECT IDENTITY(int, 1, 1) AS 序号, 编号 INTO #药品 FROM T药品卫材 WHERE 有效状态 = 1
GO
DECLARE @sql varchar(8000)
SET @sql = 'SELECT * FROM D门诊收费 WHERE 收费序号 = ' + CAST(1 AS varchar)
EXEC (@sql)
GO
SET IDENTITY_INSERT T综合选项 ON
GO
SELECT CASE WHEN ISNUMERIC(编码) = 1 THEN CAST(编码 AS int) ELSE 0 END FROM T病人档案 WHERE 编码 LIKE '%[^0-9]%'
GO
BEGIN TRANSACTION
GO
COMMIT TRANSACTION
GO
-- version 14
ALTER TABLE [dbo].[D住院档案] DROP CONSTRAINT [DF_D住院档案_已归档], COLUMN [已归档]
GO
INSERT INTO dbo.Tmp_DEF表列表 (编号, 名称) SELECT 编号, 名称 FROM dbo.DEF表列表 (HOLDLOCK TABLOCKX)
GO
SELECT 科室编号, SUM(金额) FROM D门诊收费 GROUP BY 科室编号 OPTION (ORDER GROUP)
GO
DBCC shrinkdatabase(N'his',  TRUNCATEONLY )
GO
DECLARE @DFname nvarchar(1000)
SELECT @DFname = name FROM sysobjects WHERE parent_obj = OBJECT_ID('T药品卫材') AND xtype = 'D' AND name LIKE 'DF__T药品卫材__单价%'
SET @DFname = N'Alter Table T药品卫材 Drop ' + @DFname
exec sp_executesql @DFname
GO
CREATE TRIGGER 更新优惠金额 ON [dbo].[D门诊收费数据_临时] FOR INSERT AS
BEGIN
  PRINT ''
END
GO
SELECT TOP 1000 ISNULL(M.年号, Z.年号) AS 年号, G.金额
FROM M FULL JOIN G ON M.年号 = G.年号 FULL OUTER JOIN Z ON Z.日号 = M.日号
ORDER BY G.年号
GO
SELECT 使用权 = CASE WHEN D.使用权 = -1 THEN '〖住院医生使用〗' ELSE '『' + J.名称 + '』' END
FROM T表单列表 D LEFT OUTER JOIN D角色档案 J ON D.使用权 = J.编号
GO
IF NOT EXISTS (SELECT * FROM syscolumns WHERE id = OBJECT_ID('T医院资料') AND name = '医保接口')
  ALTER TABLE T医院资料 ADD 医保接口 bit NULL
GO
